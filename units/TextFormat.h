#pragma once
// printf-style formatting into a std::string of whatever length the result
// needs, so that no value (a huge number, "nan") can overrun a fixed buffer.
#include <string>

std::string formatText(const char* format, ...);
