#include "print/ReportPrinter.h"

ReportPrinter::ReportPrinter(ReportDevice& device, const std::string& title,
                             const std::string& documentName)
    : device_(device), title_(title.substr(0, MAX_TITLE)), documentName_(documentName) {}

ReportPrinter::~ReportPrinter() {
    if (documentOpen_) {
        EndDocument();
    }
}

bool ReportPrinter::BeginDocument() {
    SelectPrintFont();
    device_.startDocument(documentName_);
    documentOpen_ = true;
    lineHeight_ = device_.lineHeight();
    topMargin_ = device_.capability(DeviceCapability::LogPixelsY) / 2;
    leftMargin_ = device_.capability(DeviceCapability::LogPixelsX) / 2;
    pageHeight_ = device_.capability(DeviceCapability::VertRes);
    pageWidth_ = device_.capability(DeviceCapability::HorzRes);
    penWidth_ = device_.capability(DeviceCapability::LogPixelsX) / 100;
    topMargin_ += HEADER_GAP;
    y_ = topMargin_;
    return true;
}

int ReportPrinter::secondColumn() const noexcept {
    return static_cast<int>((pageWidth_ / 4) * 1.2);
}

void ReportPrinter::startNewPage() {
    if (pageOpen_) {
        device_.endPage();
    }
    device_.startPage();
    y_ = topMargin_;
    pageOpen_ = true;
    PrintPageHeader();
}

void ReportPrinter::PrintLine(const std::string& text, int column) {
    int x = 0;
    if (column == 1) {
        // The second column belongs to the line just printed, so it stays on
        // that line's page even when that line filled the page. Only a
        // second-column text that comes first on a job starts a page, and it
        // then takes the first line.
        if (!pageOpen_) {
            startNewPage();
        } else {
            y_ -= lineHeight_;
        }
        x = secondColumn();
    } else if (!pageOpen_ || y_ > pageHeight_ - topMargin_) {
        // The bottom margin is as large as the top margin.
        startNewPage();
    }
    device_.textOut(leftMargin_ + x, y_, text);
    y_ += lineHeight_;
}

void ReportPrinter::EndDocument() {
    if (!documentOpen_) {
        return;
    }
    if (pageOpen_) {
        device_.endPage();
        pageOpen_ = false;
    }
    device_.endDocument();
    documentOpen_ = false;
}

void ReportPrinter::PrintPageHeader() {
    device_.saveState();
    device_.setTextColour(REPORT_BLACK);
    device_.selectSolidPen(penWidth_, REPORT_BLACK);
    device_.textOut(leftMargin_ + 10, topMargin_ - (lineHeight_ * 3) / 2, title_);
    const int ruleY = topMargin_ - lineHeight_ / 2;
    device_.line(leftMargin_, ruleY, pageWidth_ - leftMargin_, ruleY);
    device_.restoreState();
}

void ReportPrinter::SelectPrintFont() {
    device_.selectDeviceDefaultFont();
}
