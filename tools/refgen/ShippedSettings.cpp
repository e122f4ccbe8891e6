#include "tools/refgen/ShippedSettings.h"

#include <cstdio>

SizingAssumptions shippedAssumptions() {
    SizingAssumptions a;
    a.targetLength = 3.0;
    a.capillary.roughness = 0.75e-6;
    a.capillary.entranceLossCoefficient = 0.5;
    a.capillary.viscosity = TwoPhaseViscosity::Dukler;
    a.capillary.pressureSteps = 200;
    a.exchangeStart = 0.15;
    a.exchangeEnd = 0.85;
    a.exchangeShare = 0.5;
    return a;
}

DataFileHeader shippedHeader() {
    DataFileHeader h;
    h.title = "Varnu Olvane data";
    h.version = "1.1.0";
    h.targetLength = shippedAssumptions().targetLength;
    h.europeDiameters = {0.50, 0.55, 0.60, 0.65, 0.70, 0.75, 0.80, 0.85, 0.90,
                         1.00, 1.10, 1.20, 1.30, 1.40, 1.50, 1.60, 1.80, 2.00};
    h.northAmericaDiameters = {0.026, 0.028, 0.031, 0.036, 0.040, 0.042, 0.049, 0.054,
                               0.059, 0.064, 0.070, 0.075, 0.080, 0.085, 0.090};
    // Shown in the help box, which drops the characters % ' * " + ? > < : and
    // backslash; none is used. At most 100 characters a line.
    h.helpLines = {
        "Varnu Olvane",
        "Capillary tube selection for small refrigeration systems",
        "Refrigerant data by Varnu",
        "",
        "",
        "Introduction",
        "",
        "The program calculates the capillary tube of a refrigeration system with a hermetic",
        "compressor. The result is a start value for optimisation on a prototype. It typically",
        "gives a functioning system, but the best diameter and length can deviate from it.",
        "",
        "The tube is rated by the nitrogen flow it passes at a pressure difference of 10 bar.",
        "Every tube in the list passes that flow; the tube whose length lies closest to TARGET",
        "is marked as the optimal one.",
        "",
        "The sizing assumes",
        " - that the suction line is soldered to the capillary tube over most of its length,",
        "   so that the two exchange heat,",
        " - that there is little or no subcooling of the liquid in continuous operation.",
        "",
        "Enter representative design values. The heat load is the compressor capacity at the",
        "entered evaporating, condensing and return gas temperatures, without subcooling,",
        "for example from data sheets at EN 12900, ARI 540 or CECOMAF conditions. For blends",
        "the evaporating and condensing temperatures are dew point temperatures.",
        "The inputs are limited per refrigerant to the application classes (LBP, MBP, HBP)",
        "of its hermetic compressors.",
        "",
        "The diameter lists hold sizes typically available in Europe (mm) and North America",
        "(inches), not all of them in one place. For another diameter choose the length from",
        "the neighbouring rows.",
        "",
        "How the data were made",
        "",
        "Refrigerant properties are CoolProp 7.2.0 reference figures (MIT licence). The flow",
        "through the tube is a homogeneous two-phase flow calculation with choked exit; the",
        "coefficients are fitted to it over the range of each refrigerant. The method and its",
        "checks against published measurements are described with the sources of the program.",
        "Lists, formulas and limits may change with updates, based on new experience.",
    };
    char target[16];
    std::snprintf(target, sizeof target, "%.2f m", h.targetLength);
    for (std::string& line : h.helpLines) {
        const std::size_t at = line.find("TARGET");
        if (at != std::string::npos) {
            line.replace(at, 6, target);
        }
    }
    return h;
}
