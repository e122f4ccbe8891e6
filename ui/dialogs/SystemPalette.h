#pragma once
// The palette the windows draw with now: the program's own colours, or the
// user's system colours while high contrast is on. Windows ask again when
// the system tells them that its settings or colours changed.
#include "ui/look/Palette.h"

Palette systemPalette();
