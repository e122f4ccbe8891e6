#include "tools/refgen/Friction.h"

#include <cmath>

double churchillFriction(double reynolds, double relativeRoughness) {
    const double a = std::pow(
        2.457 * std::log(1.0 / (std::pow(7.0 / reynolds, 0.9) + 0.27 * relativeRoughness)), 16.0);
    const double b = std::pow(37530.0 / reynolds, 16.0);
    return 8.0 * std::pow(std::pow(8.0 / reynolds, 12.0) + std::pow(a + b, -1.5), 1.0 / 12.0);
}

double blasiusFriction(double reynolds) {
    if (reynolds < 2000.0) {
        return 64.0 / reynolds;
    }
    return 0.3164 * std::pow(reynolds, -0.25);
}
