#include "units/TextFormat.h"

#include <cstdarg>
#include <cstdio>

std::string formatText(const char* format, ...) {
    char small[128];
    va_list args;
    va_start(args, format);
    va_list retry;
    va_copy(retry, args);
    const int needed = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);

    std::string text;
    if (needed < 0) {
        va_end(retry);
        return text; // an encoding error: nothing sensible to show
    }
    if (static_cast<std::size_t>(needed) < sizeof small) {
        text.assign(small, static_cast<std::size_t>(needed));
    } else {
        text.resize(static_cast<std::size_t>(needed) + 1);
        std::vsnprintf(&text[0], text.size(), format, retry);
        text.resize(static_cast<std::size_t>(needed));
    }
    va_end(retry);
    return text;
}
