#pragma once
// Checks of the main window at the DPI it lays itself out at, shared by the
// GUI tests (a change of DPI sent to the window) and the tests at other DPIs.
#include "ui/main/MainWindow.h"

#include <cstdint>
#include <vector>

namespace dpi_check {

// Every control is where the layout puts it at the window's DPI, which is the
// 96-DPI layout of the same client scaled within the rounding rule: positions
// within 2 pixels (a position and the edge it follows are each rounded once),
// sizes within 1. The fields and the list have the look's fonts scaled.
void controlsFollowTheDpi(const MainWindow& window);

// The page painted with the window's kept resources (WM_PRINTCLIENT) is,
// pixel for pixel, the page painted with fresh ones at its DPI, which it
// returns (0x00RRGGBB, top-down). The logo and the selector's button come
// from the nearest set: one to one where it is drawn for this DPI, else
// smoothed.
std::vector<std::uint32_t> pageFollowsTheDpi(const MainWindow& window);

} // namespace dpi_check
