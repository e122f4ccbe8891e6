#pragma once
// The report's line printer: one per print job. It knows the margins (half
// an inch, plus a gap for the page header at the top), the line height of
// the device's default font, page breaks with the title and a rule at the
// top of every page, and two columns. Positions are device units.
#include "print/ReportDevice.h"

#include <cstddef>
#include <string>

class ReportPrinter {
public:
    static constexpr int HEADER_GAP = 100;
    static constexpr std::size_t MAX_TITLE = 255;

    // The device is not owned. The title (at most 255 characters are kept)
    // heads every page; the document name names the print job.
    ReportPrinter(ReportDevice& device, const std::string& title, const std::string& documentName);
    // Ends a job that is still open.
    virtual ~ReportPrinter();
    ReportPrinter(const ReportPrinter&) = delete;
    ReportPrinter& operator=(const ReportPrinter&) = delete;

    // Selects the font, starts the job and measures the page. Always true.
    bool BeginDocument();
    // Column 0 starts a new line at the left margin; column 1 writes on the
    // line just printed, at the second column.
    void PrintLine(const std::string& text, int column = 0);
    // Ends the open page and the job.
    void EndDocument();

    int leftMargin() const noexcept { return leftMargin_; }
    int topMargin() const noexcept { return topMargin_; }
    int lineHeight() const noexcept { return lineHeight_; }
    int secondColumn() const noexcept;
    bool documentOpen() const noexcept { return documentOpen_; }
    bool pageOpen() const noexcept { return pageOpen_; }

protected:
    // The title, and a rule half a line above the first line, on each page.
    virtual void PrintPageHeader();
    virtual void SelectPrintFont();

    ReportDevice& device() noexcept { return device_; }
    const std::string& title() const noexcept { return title_; }

private:
    void startNewPage();

    ReportDevice& device_;
    std::string title_;
    std::string documentName_;
    int topMargin_ = 0;
    int leftMargin_ = 0;
    int pageHeight_ = 0;
    int pageWidth_ = 0;
    int y_ = 0;
    int lineHeight_ = 0;
    int penWidth_ = 0;
    bool pageOpen_ = false;
    bool documentOpen_ = false;
};
