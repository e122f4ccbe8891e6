#include "win32/DebugTrace.h"

#include <windows.h>

void traceLine(const std::string& text) {
    const std::string line = "Varnu Olvane: " + text + "\n";
    OutputDebugStringA(line.c_str());
}
