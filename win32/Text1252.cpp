#include "win32/Text1252.h"
#include <windows.h>

namespace {
constexpr UINT CODE_PAGE = 1252;
}

std::wstring widen1252(const char* text) {
    if (text == nullptr || *text == '\0') {
        return {};
    }
    const int needed = MultiByteToWideChar(CODE_PAGE, 0, text, -1, nullptr, 0);
    if (needed <= 1) {
        return {};
    }
    std::wstring result(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(CODE_PAGE, 0, text, -1, result.data(), needed);
    result.resize(static_cast<size_t>(needed - 1));
    return result;
}

std::wstring widen1252(const std::string& text) {
    return widen1252(text.c_str());
}

std::string narrow1252(const wchar_t* text) {
    if (text == nullptr || *text == L'\0') {
        return {};
    }
    const int needed = WideCharToMultiByte(CODE_PAGE, 0, text, -1, nullptr, 0, "?", nullptr);
    if (needed <= 1) {
        return {};
    }
    std::string result(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CODE_PAGE, 0, text, -1, result.data(), needed, "?", nullptr);
    result.resize(static_cast<size_t>(needed - 1));
    return result;
}

std::string narrow1252(const std::wstring& text) {
    return narrow1252(text.c_str());
}

wchar_t widen1252(char character) {
    wchar_t wide = L'?';
    MultiByteToWideChar(CODE_PAGE, 0, &character, 1, &wide, 1);
    return wide;
}

char narrow1252(wchar_t character) {
    char narrow = '?';
    WideCharToMultiByte(CODE_PAGE, 0, &character, 1, &narrow, 1, "?", nullptr);
    return narrow;
}
