#pragma once
// Whether the system's high-contrast mode is on (SPI_GETHIGHCONTRAST). Every
// window asks here and nowhere else, so that a test can give the answer in
// the system's place: Wine cannot switch the mode on.
#include <optional>

bool highContrastOn();

// Answers `highContrastOn` with `answer` from now on; nullopt asks the
// system again.
void forceHighContrast(std::optional<bool> answer);
