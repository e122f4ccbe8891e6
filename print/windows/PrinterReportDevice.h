#pragma once
// The report device on a printer device context: the print job calls, text
// and lines in the default mapping mode (one unit per printer dot), the
// device capabilities and the selected font's metrics. The DC is not owned;
// pens created here are released when the state they were selected in is
// restored, or with the device.
//
// The report prints in the printer's own default font. Some printer drivers
// (Wine's PostScript driver among them) give that stock font its screen size
// in printer dots, which comes out at about 4 points on paper; when the
// default font is smaller than 8 points the device uses a 10-point
// "Courier New" instead, the usual resident font of a printer.
#include "print/ReportDevice.h"
#include "win32/Unique.h"

#include <vector>
#include <windows.h>

class PrinterReportDevice : public ReportDevice {
public:
    explicit PrinterReportDevice(HDC printer);
    ~PrinterReportDevice() override;
    PrinterReportDevice(const PrinterReportDevice&) = delete;
    PrinterReportDevice& operator=(const PrinterReportDevice&) = delete;

    static constexpr int SMALLEST_POINTS = 8;
    static constexpr int READABLE_POINTS = 10;

    void startDocument(const std::string& documentName) override;
    void endDocument() override;
    void startPage() override;
    void endPage() override;
    void textOut(int x, int y, const std::string& text) override;
    void line(int x1, int y1, int x2, int y2) override;
    int capability(DeviceCapability which) const override;
    int lineHeight() const override;
    void selectDeviceDefaultFont() override;
    void selectSolidPen(int width, ReportColour colour) override;
    void setTextColour(ReportColour colour) override;
    void saveState() override;
    void restoreState() override;

private:
    HDC dc_;
    HGDIOBJ originalPen_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
    UniqueFont readableFont_;
    // One list of created pens per saved state; the first for the unsaved one.
    std::vector<std::vector<UniquePen>> pens_;
};
