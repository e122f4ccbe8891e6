#pragma once
// One line for a debugger: failures at the program's boundaries that the user
// is not told about (an exception stopped before it reached Windows, a print
// job or a settings write that failed, the reason a data file was refused)
// leave a trace that a debugger, DebugView or WINEDEBUG=+debugstr shows.
#include <string>

// Writes "Varnu Olvane: <text>" and a line break with OutputDebugStringA.
void traceLine(const std::string& text);
