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

// tbx check <tbx>: reads the data file and decides on it exactly as the
// program does at start-up (loadUsableDatabase). A file the program would
// load is listed and gives 0; for any file it would refuse the reason (with
// its line where there is one) goes to `err` and the result is 1.
int runCheck(const char* tbxPath, std::FILE* out, std::FILE* err);
