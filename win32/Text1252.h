#pragma once
// The program's texts are Windows-1252 bytes. Windows are Unicode windows, so
// every text crosses this boundary through these two conversions, which use
// the 1252 code page explicitly: the program shows the same characters
// whatever the system's ANSI code page is.
#include <string>

std::wstring widen1252(const char* text);
std::wstring widen1252(const std::string& text);
std::string narrow1252(const wchar_t* text);
std::string narrow1252(const std::wstring& text);

// One character each way; characters outside 1252 become '?'.
wchar_t widen1252(char character);
char narrow1252(wchar_t character);
