#include "tests/support/RecordingReportDevice.h"

void RecordingReportDevice::record(DeviceCall kind, int x1, int y1, int x2, int y2,
                                   ReportColour colour, const std::string& text) {
    RecordedCall call;
    call.call = kind;
    call.x1 = x1;
    call.y1 = y1;
    call.x2 = x2;
    call.y2 = y2;
    call.colour = colour;
    call.text = text;
    call.page = pages_;
    calls_.push_back(call);
}

void RecordingReportDevice::startDocument(const std::string& documentName) {
    record(DeviceCall::StartDocument, 0, 0, 0, 0, 0, documentName);
}

void RecordingReportDevice::endDocument() {
    record(DeviceCall::EndDocument);
}

void RecordingReportDevice::startPage() {
    ++pages_;
    record(DeviceCall::StartPage);
}

void RecordingReportDevice::endPage() {
    record(DeviceCall::EndPage);
}

void RecordingReportDevice::textOut(int x, int y, const std::string& text) {
    record(DeviceCall::TextOut, x, y, 0, 0, 0, text);
}

void RecordingReportDevice::line(int x1, int y1, int x2, int y2) {
    record(DeviceCall::Line, x1, y1, x2, y2);
}

int RecordingReportDevice::capability(DeviceCapability which) const {
    switch (which) {
    case DeviceCapability::LogPixelsX:
        return geometry_.dotsPerInchX;
    case DeviceCapability::LogPixelsY:
        return geometry_.dotsPerInchY;
    case DeviceCapability::HorzRes:
        return geometry_.pageWidth;
    case DeviceCapability::VertRes:
        return geometry_.pageHeight;
    }
    return 0;
}

void RecordingReportDevice::selectDeviceDefaultFont() {
    record(DeviceCall::SelectDeviceDefaultFont);
}

void RecordingReportDevice::selectSolidPen(int width, ReportColour colour) {
    record(DeviceCall::SelectSolidPen, width, 0, 0, 0, colour);
}

void RecordingReportDevice::setTextColour(ReportColour colour) {
    record(DeviceCall::SetTextColour, 0, 0, 0, 0, colour);
}

void RecordingReportDevice::saveState() {
    ++depth_;
    record(DeviceCall::SaveState);
}

void RecordingReportDevice::restoreState() {
    --depth_;
    record(DeviceCall::RestoreState);
}

std::vector<RecordedCall> RecordingReportDevice::callsOf(DeviceCall kind) const {
    std::vector<RecordedCall> found;
    for (const RecordedCall& call : calls_) {
        if (call.call == kind) {
            found.push_back(call);
        }
    }
    return found;
}

int RecordingReportDevice::count(DeviceCall kind) const {
    int n = 0;
    for (const RecordedCall& call : calls_) {
        n += call.call == kind ? 1 : 0;
    }
    return n;
}
