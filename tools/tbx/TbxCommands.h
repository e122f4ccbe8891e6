#pragma once
// The commands of the data file tool. Each returns the process exit code and
// writes its messages to `out` (results) and `err` (problems).
#include <cstdio>

// tbx pack <text> <tbx>: plain text (Windows-1252, LF or CR LF line ends)
// into the scrambled data file.
int runPack(const char* textPath, const char* tbxPath, std::FILE* out, std::FILE* err);

// tbx unpack <tbx> <text>: the data file back to its text, read exactly as
// the program reads it.
int runUnpack(const char* tbxPath, const char* textPath, std::FILE* out, std::FILE* err);

// tbx check <tbx>: loads the data file with the program's loader and lists
// what it holds; on failure prints the reason and the line, and returns 1.
int runCheck(const char* tbxPath, std::FILE* out, std::FILE* err);
