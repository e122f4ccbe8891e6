#include "ui/main/MainWindowFonts.h"

#include "ui/framework/Text1252.h"

#include <cwchar>

HFONT MakeFont(int width, int height, const char* face, int weight, int pitchAndFamily) {
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfWeight = weight;
    font.lfCharSet = ANSI_CHARSET;
    font.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    const std::wstring name = Widen1252(face);
    std::wcsncpy(font.lfFaceName, name.c_str(), LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}
