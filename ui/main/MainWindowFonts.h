#pragma once
// The main window's fonts: a logical font with the five given fields set and
// every other field 0 (ANSI character set, default precision and quality).
#include <windows.h>

HFONT MakeFont(int width, int height, const char* face, int weight, int pitchAndFamily);
