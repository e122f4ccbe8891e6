#pragma once
// The one-line texts with raised and lowered characters that the main window
// paints (the flow line's "N_2"). A "^" raises the character after it, a "_"
// lowers it; a doubled marker ("^^", "__") stands for one literal marker, and a
// marker at the very end is dropped. Splitting and placing are pure so that
// the drawing code only measures and draws.
#include "ui/main/rules/PixelGeometry.h"

#include <string>
#include <vector>

enum class ScriptKind { Plain, Superscript, Subscript };

struct ScriptedRun {
    ScriptKind kind = ScriptKind::Plain;
    std::string text; // a plain run, or exactly one scripted character
};

// Splits the text into plain runs and scripted characters, in order. Plain
// runs are never empty: a marker at the start or two scripted characters in a
// row leave no empty run between them.
std::vector<ScriptedRun> splitScriptedText(const std::string& text);

// The script font's logical size, derived from the base font's (width w,
// height h): width w / 2, height (h / 3) * 2. Raised characters sit h / 3
// higher, lowered ones h / 6 lower, both w / 2 further right.
PixelSize scriptFontFor(int baseWidth, int baseHeight);

// Where each run is drawn. The text is drawn with bottom alignment: y is the
// bottom of the character cell.
struct ScriptedLayout {
    PixelSize block;                   // the whole line
    PixelPoint start;                  // left end of the line, bottom of the plain text
    std::vector<PixelPoint> positions; // one per run, in order
};

// Places the runs inside `rect`. `extents` holds each run's measured size
// (plain runs in the base font, scripted characters in the script font), one
// per run; `baseWidth` and `baseHeight` are the base font's logical width and
// height. Alignment 0 is left, 1 centred, 2 right; anything else counts as left.
// When no run is plain, `plainHeight` (the base font's cell height) stands in
// for the tallest plain run.
ScriptedLayout layoutScriptedRuns(const std::vector<ScriptedRun>& runs,
                                  const std::vector<PixelSize>& extents, int baseWidth,
                                  int baseHeight, int plainHeight, const PixelRect& rect,
                                  int alignment);
