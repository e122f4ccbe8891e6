#include "print/windows/PrinterReportDevice.h"

#include "win32/DebugTrace.h"
#include "win32/Drawing.h"
#include "win32/Text1252.h"

#include <string>
#include <utility>

namespace {

// A print call that failed leaves a trace; the user is not told (the report
// is simply not printed, or printed short).
void traceIfFailed(int result, const char* call) {
    if (result <= 0) {
        traceLine(std::string("printing: ") + call + " failed, error " +
                  std::to_string(GetLastError()));
    }
}

} // namespace

PrinterReportDevice::PrinterReportDevice(HDC printer) : dc_(printer), pens_(1) {
    SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    SetBkMode(dc_, TRANSPARENT);
    originalPen_ = GetCurrentObject(dc_, OBJ_PEN);
    originalFont_ = GetCurrentObject(dc_, OBJ_FONT);
}

PrinterReportDevice::~PrinterReportDevice() {
    // Put back the pen the DC came with before the created ones go.
    if (originalPen_ != nullptr) {
        SelectObject(dc_, originalPen_);
    }
    if (originalFont_ != nullptr) {
        SelectObject(dc_, originalFont_);
    }
}

void PrinterReportDevice::startDocument(const std::string& documentName) {
    const std::wstring name = widen1252(documentName);
    DOCINFOW info{};
    info.cbSize = sizeof info;
    info.lpszDocName = name.c_str();
    traceIfFailed(StartDocW(dc_, &info), "StartDoc");
}

void PrinterReportDevice::endDocument() {
    traceIfFailed(EndDoc(dc_), "EndDoc");
}

void PrinterReportDevice::startPage() {
    traceIfFailed(StartPage(dc_), "StartPage");
}

void PrinterReportDevice::endPage() {
    traceIfFailed(EndPage(dc_), "EndPage");
}

void PrinterReportDevice::textOut(int x, int y, const std::string& text) {
    const std::wstring wide = widen1252(text);
    TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

void PrinterReportDevice::line(int x1, int y1, int x2, int y2) {
    MoveToEx(dc_, x1, y1, nullptr);
    LineTo(dc_, x2, y2);
}

int PrinterReportDevice::capability(DeviceCapability which) const {
    switch (which) {
    case DeviceCapability::LogPixelsX:
        return GetDeviceCaps(dc_, LOGPIXELSX);
    case DeviceCapability::LogPixelsY:
        return GetDeviceCaps(dc_, LOGPIXELSY);
    case DeviceCapability::HorzRes:
        return GetDeviceCaps(dc_, HORZRES);
    case DeviceCapability::VertRes:
        return GetDeviceCaps(dc_, VERTRES);
    }
    return 0;
}

int PrinterReportDevice::lineHeight() const {
    TEXTMETRICW metrics{};
    if (!GetTextMetricsW(dc_, &metrics)) {
        return 0;
    }
    return metrics.tmHeight + metrics.tmExternalLeading;
}

void PrinterReportDevice::selectDeviceDefaultFont() {
    SelectObject(dc_, GetStockObject(DEVICE_DEFAULT_FONT));
    const int dotsPerInch = GetDeviceCaps(dc_, LOGPIXELSY);
    TEXTMETRICW metrics{};
    if (dotsPerInch <= 0 || !GetTextMetricsW(dc_, &metrics) ||
        metrics.tmHeight * 72 >= SMALLEST_POINTS * dotsPerInch) {
        return;
    }
    if (!readableFont_) {
        readableFont_ = createFont({L"Courier New", -MulDiv(READABLE_POINTS, dotsPerInch, 72), 0,
                                    FW_NORMAL, FIXED_PITCH | FF_MODERN});
    }
    if (readableFont_) {
        SelectObject(dc_, readableFont_.get());
    }
}

void PrinterReportDevice::selectSolidPen(int width, ReportColour colour) {
    UniquePen pen(CreatePen(PS_SOLID, width, static_cast<COLORREF>(colour)));
    if (!pen) {
        return;
    }
    SelectObject(dc_, pen.get());
    pens_.back().push_back(std::move(pen));
}

void PrinterReportDevice::setTextColour(ReportColour colour) {
    SetTextColor(dc_, static_cast<COLORREF>(colour));
}

void PrinterReportDevice::saveState() {
    if (SaveDC(dc_) != 0) {
        pens_.emplace_back();
    }
}

void PrinterReportDevice::restoreState() {
    if (pens_.size() <= 1) {
        return; // no matching save
    }
    RestoreDC(dc_, -1);
    pens_.pop_back(); // deselected by the restore; released here
}
