#pragma once
// The running program's file.
#include <string>

// The full path of the program file.
std::wstring programFilePath();

// The program file's name without folder and extension: it names the
// settings-store key, captions the load-failure message and names print jobs.
std::wstring programBaseName();
