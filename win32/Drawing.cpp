#include "win32/Drawing.h"

#include <cstring>
#include <cwchar>

void fillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    UniqueBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.get());
}

void drawTwoToneFrame(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight) {
    UniqueBrush light(CreateSolidBrush(topLeft));
    UniqueBrush dark(CreateSolidBrush(bottomRight));
    drawTwoToneFrame(dc, rect, light.get(), dark.get());
}

void drawTwoToneFrame(HDC dc, const RECT& rect, HBRUSH topLeft, HBRUSH bottomRight, int line) {
    const RECT top{rect.left, rect.top, rect.right - line, rect.top + line};
    const RECT left{rect.left, rect.top, rect.left + line, rect.bottom - line};
    const RECT right{rect.right - line, rect.top, rect.right, rect.bottom};
    const RECT bottom{rect.left, rect.bottom - line, rect.right, rect.bottom};
    FillRect(dc, &top, topLeft);
    FillRect(dc, &left, topLeft);
    FillRect(dc, &right, bottomRight);
    FillRect(dc, &bottom, bottomRight);
}

HBRUSH SolidBrushes::get(COLORREF colour) {
    for (const auto& kept : brushes_) {
        if (kept.first == colour) {
            return kept.second.get();
        }
    }
    UniqueBrush brush(CreateSolidBrush(colour));
    if (!brush) {
        return nullptr;
    }
    const HBRUSH made = brush.get();
    brushes_.emplace_back(colour, std::move(brush));
    return made;
}

LOGFONTW logicalFont(const FontDescription& wanted) {
    LOGFONTW font{};
    font.lfHeight = wanted.height;
    font.lfWidth = wanted.width;
    font.lfWeight = wanted.weight;
    font.lfItalic = wanted.italic ? TRUE : FALSE;
    font.lfUnderline = wanted.underline ? TRUE : FALSE;
    font.lfCharSet = ANSI_CHARSET;
    font.lfPitchAndFamily = static_cast<BYTE>(wanted.pitchAndFamily);
    if (wanted.face != nullptr) {
        std::wcsncpy(font.lfFaceName, wanted.face, LF_FACESIZE - 1);
    }
    return font;
}

UniqueFont createFont(const FontDescription& wanted) {
    const LOGFONTW font = logicalFont(wanted);
    return UniqueFont(CreateFontIndirectW(&font));
}

HFONT FontSet::get(const FontDescription& wanted) {
    const LOGFONTW key = logicalFont(wanted);
    for (const auto& kept : fonts_) {
        if (std::memcmp(&kept.first, &key, sizeof key) == 0) {
            return kept.second.get();
        }
    }
    UniqueFont font(CreateFontIndirectW(&key));
    if (!font) {
        return nullptr;
    }
    const HFONT made = font.get();
    fonts_.emplace_back(key, std::move(font));
    return made;
}

UniqueBitmap loadBitmapResource(int resourceId) {
    if (resourceId == 0) {
        return {};
    }
    return UniqueBitmap(
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

SIZE bitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) {
        return {0, 0};
    }
    return {info.bmWidth, info.bmHeight};
}

bool copyBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height) {
    return withBitmapSelected(dc, bitmap, [&](HDC source) {
        BitBlt(dc, x, y, width, height, source, 0, 0, SRCCOPY);
    });
}

void stretchBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height, int sourceWidth,
                   int sourceHeight) {
    withBitmapSelected(dc, bitmap, [&](HDC source) {
        StretchBlt(dc, x, y, width, height, source, 0, 0, sourceWidth, sourceHeight, SRCCOPY);
    });
}

bool drawBitmapFitted(HDC dc, HBITMAP bitmap, int x, int y, int width, int height) {
    const SIZE size = bitmapSize(bitmap);
    if (size.cx == width && size.cy == height) {
        return copyBitmap(dc, bitmap, x, y, width, height);
    }
    return withBitmapSelected(dc, bitmap, [&](HDC source) {
        const bool smooth = size.cy != height;
        POINT oldOrigin{};
        const int oldMode = smooth ? SetStretchBltMode(dc, HALFTONE) : 0;
        if (smooth) {
            SetBrushOrgEx(dc, 0, 0, &oldOrigin); // as HALFTONE asks
        }
        StretchBlt(dc, x, y, width, height, source, 0, 0, size.cx, size.cy, SRCCOPY);
        if (smooth) {
            SetStretchBltMode(dc, oldMode);
            SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
        }
    });
}
