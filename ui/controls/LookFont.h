#pragma once
// The fonts of the program's own look: "Arial" of a cell height in pixels
// (and a width, 0 for the face's own proportions), weight 400, variable pitch
// and the Swiss family, every other field 0 (so the ANSI character set). Each
// is made at its first use and kept for the rest of the run, shared by every
// window and control that draws in the look.
#include "ui/look/TextHeights.h"

#include <windows.h>

// Null when the font could not be made.
HFONT lookFont(int height, int width = 0);
