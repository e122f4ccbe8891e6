#pragma once
// Which drawn size of the program's small bitmaps a window loads at a DPI.
// The logo, the selector pieces and the header pieces come drawn at 1, 1.5
// and 2 times their size (96, 144 and 192 DPI; resources/ResourceIds.h).
// The nearest set is taken, a tie going to the larger one, since a bitmap
// drawn larger and smoothly shrunk stays sharper than one enlarged: up to
// 119 DPI the 96-DPI set, from 120 to 167 the 144-DPI set, from 168 the
// 192-DPI set. The window stretches the set it loads to the scaled size
// (units/DpiScale.h) when the two differ.

// 100, 150 or 200: the set's size in percent of the 96-DPI set.
int bitmapSetPercent(int dpi);

// The resource of bitmap `resourceId` (its 96-DPI number) in the set for
// `dpi`; a bitmap without sets (the picture) is its own number at every DPI.
int bitmapResourceAt(int resourceId, int dpi);
