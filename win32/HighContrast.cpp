#include "win32/HighContrast.h"

#include <windows.h>

namespace {
std::optional<bool> forcedAnswer;
} // namespace

bool highContrastOn() {
    if (forcedAnswer) {
        return *forcedAnswer;
    }
    HIGHCONTRASTW state{};
    state.cbSize = sizeof state;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof state, &state, 0) != FALSE &&
           (state.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void forceHighContrast(std::optional<bool> answer) {
    forcedAnswer = answer;
}
