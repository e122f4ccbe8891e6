#pragma once
// A ReportDevice that draws nothing and records every call, with a page of
// a chosen resolution, size and line height. Lets the report's content and
// geometry be checked without a printer.
#include "print/ReportDevice.h"

#include <string>
#include <vector>

struct DeviceGeometry {
    int dotsPerInchX = 600;
    int dotsPerInchY = 600;
    int pageWidth = 4800;  // HORZRES
    int pageHeight = 6600; // VERTRES
    int lineHeight = 50;   // tmHeight + tmExternalLeading
};

enum class DeviceCall {
    StartDocument,
    EndDocument,
    StartPage,
    EndPage,
    TextOut,
    Line,
    SelectDeviceDefaultFont,
    SelectSolidPen,
    SetTextColour,
    SaveState,
    RestoreState,
};

struct RecordedCall {
    DeviceCall call = DeviceCall::StartDocument;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // positions; the pen width in x1
    ReportColour colour = 0;
    std::string text; // the text drawn, or the document name
    int page = 0;     // pages started before this call
};

class RecordingReportDevice : public ReportDevice {
public:
    explicit RecordingReportDevice(const DeviceGeometry& geometry = DeviceGeometry{})
        : geometry_(geometry) {}

    void startDocument(const std::string& documentName) override;
    void endDocument() override;
    void startPage() override;
    void endPage() override;
    void textOut(int x, int y, const std::string& text) override;
    void line(int x1, int y1, int x2, int y2) override;
    int capability(DeviceCapability which) const override;
    int lineHeight() const override { return geometry_.lineHeight; }
    void selectDeviceDefaultFont() override;
    void selectSolidPen(int width, ReportColour colour) override;
    void setTextColour(ReportColour colour) override;
    void saveState() override;
    void restoreState() override;

    const std::vector<RecordedCall>& calls() const noexcept { return calls_; }
    // Only the calls of one kind, in order.
    std::vector<RecordedCall> callsOf(DeviceCall kind) const;
    int count(DeviceCall kind) const;
    // Saves not yet matched by a restore.
    int openStates() const noexcept { return depth_; }

private:
    void record(DeviceCall kind, int x1 = 0, int y1 = 0, int x2 = 0, int y2 = 0,
                ReportColour colour = 0, const std::string& text = std::string());

    DeviceGeometry geometry_;
    std::vector<RecordedCall> calls_;
    int pages_ = 0;
    int depth_ = 0;
};
