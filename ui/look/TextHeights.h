#pragma once
// The one text height shared by controls of the look and the main window's
// layout: the look's 14-pixel font (cell height at 96 DPI, "Arial") of the
// input fields, the refrigerant selector's items and the results list's
// column captions. Free of Windows headers, like the colours.

constexpr int TEXT_FONT_HEIGHT = 14;
