#pragma once
// What the report's line printer needs from an output device: a print job of
// pages, text at a position, a straight line, the device's resolution and
// page size, the line height of the selected font, a solid pen, a text colour
// and a saved drawing state. Coordinates are device units (printer dots).
// The printer implementation lives in print/windows; the recording one lets
// the report be laid out and checked without a printer.
#include <cstdint>
#include <string>

// Colours as 0x00BBGGRR, the layout the Windows colour type uses.
using ReportColour = std::uint32_t;
constexpr ReportColour REPORT_BLACK = 0x000000;

enum class DeviceCapability {
    LogPixelsX, // dots per inch, horizontally
    LogPixelsY, // dots per inch, vertically
    HorzRes,    // printable width in dots
    VertRes,    // printable height in dots
};

class ReportDevice {
public:
    virtual ~ReportDevice() = default;

    virtual void startDocument(const std::string& documentName) = 0;
    virtual void endDocument() = 0;
    virtual void startPage() = 0;
    virtual void endPage() = 0;

    // Text in Windows-1252 with its top-left corner at (x, y).
    virtual void textOut(int x, int y, const std::string& text) = 0;
    // A line in the selected pen from (x1, y1) to (x2, y2).
    virtual void line(int x1, int y1, int x2, int y2) = 0;

    virtual int capability(DeviceCapability which) const = 0;
    // tmHeight + tmExternalLeading of the selected font.
    virtual int lineHeight() const = 0;

    // The device's own default font.
    virtual void selectDeviceDefaultFont() = 0;
    virtual void selectSolidPen(int width, ReportColour colour) = 0;
    virtual void setTextColour(ReportColour colour) = 0;

    // Saves the drawing state (font, pen, colours); restoreState puts back
    // the state of the matching save and releases what was selected since.
    virtual void saveState() = 0;
    virtual void restoreState() = 0;
};
