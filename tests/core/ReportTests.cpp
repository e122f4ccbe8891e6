#include "print/ReportContent.h"
#include "print/ReportPrinter.h"
#include "tests/support/RecordingReportDevice.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// The worked table example: F = 5 l/min over 0.50 .. 0.90 mm, optimum row 2.
SelectionResult WorkedResult() {
    SelectionResult result;
    result.heatLoadValid = result.evapTempValid = result.condTempValid = result.returnGasValid =
        true;
    result.flowValid = true;
    result.flowRate = 2.394;
    const char* lengths[RESULT_ROWS] = {"0.94 m", "1.51 m", "2.33 m",  "3.48 m", "5.04 m",
                                        "7.12 m", "9.83 m", "13.31 m", "17.71 m"};
    const char* diameters[RESULT_ROWS] = {"0.50 mm", "0.55 mm", "0.60 mm", "0.65 mm", "0.70 mm",
                                          "0.75 mm", "0.80 mm", "0.85 mm", "0.90 mm"};
    for (int row = 0; row < RESULT_ROWS; ++row) {
        result.rowTexts[row] = {lengths[row], diameters[row]};
    }
    result.optimalIndex = 2;
    result.firstRow = 0;
    result.selectedRow = 2;
    return result;
}

ReportInputs TypedInputs() {
    return {"R600a", "110", "-25", "55.5", "32"};
}

int ColumnZeroLines(const std::vector<ReportLine>& lines) {
    int count = 0;
    for (const ReportLine& line : lines) {
        count += line.column == 0 ? 1 : 0;
    }
    return count;
}

std::vector<ReportLine> Expected(std::initializer_list<ReportLine> lines) {
    return lines;
}

void ExpectLines(const std::vector<ReportLine>& actual, const std::vector<ReportLine>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].text, expected[i].text) << "line entry " << i;
        EXPECT_EQ(actual[i].column, expected[i].column) << "line entry " << i;
    }
}

const std::vector<ReportLine> kInputPart = {
    {" ", 0},
    {" ", 0},
    {"Input Data: ", 0},
    {" ", 0},
    {"Refrigerant", 0},
    {"R600a", 1},
    {"Heat load of the system", 0},
    {"110 W", 1},
    {"Evaporating temperature", 0},
    {"-25 \xBA"
     "C",
     1},
    {"Condensing temperature", 0},
    {"55.5 \xBA"
     "C",
     1},
    {"Return gas temperature", 0},
    {"32 \xBA"
     "C",
     1},
    {" ", 0},
};

std::vector<ReportLine> Concat(std::vector<ReportLine> a, const std::vector<ReportLine>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<RecordedCall> Texts(const RecordingReportDevice& device) {
    return device.callsOf(DeviceCall::TextOut);
}

} // namespace

TEST(ReportContent, ValidCalculationPrintsThirtyLinesWithTheTable) {
    const std::vector<ReportLine> lines =
        reportLines(TypedInputs(), UnitSettings{}, WorkedResult());
    EXPECT_EQ(ColumnZeroLines(lines), 30);
    ExpectLines(lines, Concat(kInputPart, {
                                              {" ", 0},
                                              {" ", 0},
                                              {" ", 0},
                                              {"Capillary Tube Recommendation: ", 0},
                                              {"Flow Rate", 0},
                                              {"2.4 l/min (N2 at delta p 10 bar)", 1},
                                              {" ", 0},
                                              {"Length", 0},
                                              {"Diameter", 1},
                                              {"0.94 m", 0},
                                              {"0.50 mm", 1},
                                              {"1.51 m", 0},
                                              {"0.55 mm", 1},
                                              {"2.33 m", 0},
                                              {"0.60 mm", 1},
                                              {"3.48 m", 0},
                                              {"0.65 mm", 1},
                                              {"5.04 m", 0},
                                              {"0.70 mm", 1},
                                              {"7.12 m", 0},
                                              {"0.75 mm", 1},
                                              {"9.83 m", 0},
                                              {"0.80 mm", 1},
                                              {"13.31 m", 0},
                                              {"0.85 mm", 1},
                                              {"17.71 m", 0},
                                              {"0.90 mm", 1},
                                              {" ", 0},
                                              {" ", 0},
                                              {"Optimal Selection:", 0},
                                              {"A 2.33 m length of 0.60 mm diameter tubing.", 0},
                                          }));
}

TEST(ReportContent, FlowTextFollowsFlowAndPressureUnits) {
    UnitSettings units;
    EXPECT_EQ(reportFlowText(units, 2.394), "2.4 l/min (N2 at delta p 10 bar)");
    units.flowUnit = 0;
    units.pressureUnit = 1;
    // 2.394 l/min is 0.0845 CFM; 10 bar is 145.04 psi.
    EXPECT_EQ(reportFlowText(units, 2.394), "0.08 CFM (N2 at delta p 145 psi)");
    units.flowUnit = 1;
    EXPECT_EQ(reportFlowText(units, 12.26), "12.3 l/min (N2 at delta p 145 psi)");
}

TEST(ReportContent, AnyFailedCheckPrintsTheInputsAndTheNotice) {
    const std::vector<ReportLine> invalid =
        Concat(kInputPart, {{" ", 0}, {" ", 0}, {"Cannot calculate tube data. Invalid input.", 0}});
    bool SelectionResult::*flags[] = {
        &SelectionResult::heatLoadValid, &SelectionResult::evapTempValid,
        &SelectionResult::condTempValid, &SelectionResult::returnGasValid,
        &SelectionResult::flowValid};
    for (bool SelectionResult::*flag : flags) {
        // The numbers of the last successful run are still in the result;
        // none of them may be printed.
        SelectionResult result = WorkedResult();
        result.*flag = false;
        const std::vector<ReportLine> lines = reportLines(TypedInputs(), UnitSettings{}, result);
        EXPECT_EQ(ColumnZeroLines(lines), 13);
        ExpectLines(lines, invalid);
    }
}

TEST(ReportContent, FieldTextsArePrintedAsTypedWithTheirUnits) {
    UnitSettings units;
    units.energyUnit = 0;
    units.temperatureUnit = 1;
    ReportInputs inputs{"R134a", "", "-13.000", "0131", ""};
    const std::vector<ReportLine> lines = reportLines(inputs, units, WorkedResult());
    ASSERT_GE(lines.size(), 15u);
    EXPECT_EQ(lines[7].text, " Btu/hr"); // an empty field: a blank and the unit
    EXPECT_EQ(lines[9].text, "-13.000 \xBA"
                             "F");
    EXPECT_EQ(lines[11].text, "0131 \xBA"
                              "F");
    EXPECT_EQ(lines[13].text, " \xBA"
                              "F");
}

TEST(ReportContent, OptimalSentenceUsesTheHighlightedRowAndStaysInsideTheTable) {
    SelectionResult result = WorkedResult();
    result.selectedRow = 8;
    EXPECT_EQ(reportLines(TypedInputs(), UnitSettings{}, result).back().text,
              "A 17.71 m length of 0.90 mm diameter tubing.");
    result.selectedRow = 42; // never produced by the engine; must not read past the rows
    EXPECT_EQ(reportLines(TypedInputs(), UnitSettings{}, result).back().text,
              "A 17.71 m length of 0.90 mm diameter tubing.");
    result.selectedRow = -1;
    EXPECT_EQ(reportLines(TypedInputs(), UnitSettings{}, result).back().text,
              "A 0.94 m length of 0.50 mm diameter tubing.");
}

TEST(ReportContent, TitleIsDescriptionAndVersion) {
    EXPECT_EQ(reportTitle("Varnu Capillary Tube Selector", "1.0 "),
              "Varnu Capillary Tube Selector v1.0 ");
    EXPECT_EQ(reportTitle(" ", "0.0"), "  v0.0");
}

TEST(ReportPrinter, GeometryOnA600DpiPrinter) {
    DeviceGeometry geometry; // 600 x 600 dpi, 4800 x 6600 dots, lines of 50
    RecordingReportDevice device(geometry);
    const std::vector<ReportLine> lines =
        reportLines(TypedInputs(), UnitSettings{}, WorkedResult());
    printReportDocument(device, "Varnu Capillary Tube Selector v1.0 ", "Varnu Olvane", lines);

    // Font first, then the job, named after the program.
    const std::vector<RecordedCall>& calls = device.calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0].call, DeviceCall::SelectDeviceDefaultFont);
    EXPECT_EQ(calls[1].call, DeviceCall::StartDocument);
    EXPECT_EQ(calls[1].text, "Varnu Olvane");
    EXPECT_EQ(calls[calls.size() - 2].call, DeviceCall::EndPage);
    EXPECT_EQ(calls.back().call, DeviceCall::EndDocument);
    EXPECT_EQ(device.count(DeviceCall::StartPage), 1);
    EXPECT_EQ(device.count(DeviceCall::EndPage), 1);
    EXPECT_EQ(device.openStates(), 0);

    // The rule: 6 dots wide, black, half a line above the first line, across
    // the page between the margins.
    const std::vector<RecordedCall> pens = device.callsOf(DeviceCall::SelectSolidPen);
    ASSERT_EQ(pens.size(), 1u);
    EXPECT_EQ(pens[0].x1, 6);
    EXPECT_EQ(pens[0].colour, REPORT_BLACK);
    const std::vector<RecordedCall> rules = device.callsOf(DeviceCall::Line);
    ASSERT_EQ(rules.size(), 1u);
    EXPECT_EQ(rules[0].x1, 300);
    EXPECT_EQ(rules[0].x2, 4500);
    EXPECT_EQ(rules[0].y1, 375);
    EXPECT_EQ(rules[0].y2, 375);

    const std::vector<RecordedCall> texts = Texts(device);
    ASSERT_EQ(texts.size(), lines.size() + 1);
    EXPECT_EQ(texts[0].text, "Varnu Capillary Tube Selector v1.0 ");
    EXPECT_EQ(texts[0].x1, 310);
    EXPECT_EQ(texts[0].y1, 400 - 75);
    // First line at the top margin and the left margin; lines 50 apart.
    EXPECT_EQ(texts[1].x1, 300);
    EXPECT_EQ(texts[1].y1, 400);
    EXPECT_EQ(texts[2].y1, 450);
    // "Refrigerant" and its name share a line; the name at 300 + 1440.
    EXPECT_EQ(texts[5].text, "Refrigerant");
    EXPECT_EQ(texts[6].text, "R600a");
    EXPECT_EQ(texts[6].x1, 1740);
    EXPECT_EQ(texts[6].y1, texts[5].y1);
    EXPECT_EQ(texts[7].y1, texts[5].y1 + 50);
    EXPECT_EQ(texts.back().y1, 400 + 29 * 50);
    // Black text is set for the report and again for the header.
    EXPECT_GE(device.count(DeviceCall::SetTextColour), 2);
    for (const RecordedCall& colour : device.callsOf(DeviceCall::SetTextColour)) {
        EXPECT_EQ(colour.colour, REPORT_BLACK);
    }
}

TEST(ReportPrinter, OtherResolutionsScaleMarginsRuleAndColumn) {
    DeviceGeometry geometry{300, 200, 2475, 3300, 31};
    RecordingReportDevice device(geometry);
    ReportPrinter printer(device, "T", "Doc");
    ASSERT_TRUE(printer.BeginDocument());
    EXPECT_EQ(printer.leftMargin(), 150);
    EXPECT_EQ(printer.topMargin(), 200);
    EXPECT_EQ(printer.lineHeight(), 31);
    EXPECT_EQ(printer.secondColumn(), 741); // 2475 / 4 = 618, x 1.2 = 741.6, truncated
    printer.PrintLine("a");
    printer.EndDocument();
    const std::vector<RecordedCall> texts = Texts(device);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].x1, 160);
    EXPECT_EQ(texts[0].y1, 200 - 46); // (31 x 3) / 2 = 46
    EXPECT_EQ(device.callsOf(DeviceCall::Line)[0].y1, 200 - 15);
    EXPECT_EQ(device.callsOf(DeviceCall::SelectSolidPen)[0].x1, 3);
}

TEST(ReportPrinter, OverflowingLinesStartPagesWithTitleAndRule) {
    // Top margin 400, bottom margin 400: on 1200 dots a page takes the lines
    // at 400, 450, ... 800 (nine lines) before y passes 800.
    DeviceGeometry geometry;
    geometry.pageHeight = 1200;
    RecordingReportDevice device(geometry);
    const std::vector<ReportLine> lines =
        reportLines(TypedInputs(), UnitSettings{}, WorkedResult());
    printReportDocument(device, "Title", "Doc", lines);

    const int pages = device.count(DeviceCall::StartPage);
    EXPECT_EQ(pages, 4); // 30 lines, 9 per page
    EXPECT_EQ(device.count(DeviceCall::EndPage), pages);
    EXPECT_EQ(device.count(DeviceCall::Line), pages);
    EXPECT_EQ(device.openStates(), 0);

    // Each page: EndPage of the last, StartPage, then the header's title and
    // rule, then the first column-0 line at the top margin.
    const std::vector<RecordedCall>& calls = device.calls();
    std::size_t entry = 0;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].call != DeviceCall::StartPage) {
            continue;
        }
        if (calls[i].page > 1) {
            EXPECT_EQ(calls[i - 1].call, DeviceCall::EndPage);
        }
        std::vector<const RecordedCall*> texts;
        bool ruled = false;
        for (std::size_t j = i + 1; j < calls.size() && calls[j].call != DeviceCall::EndPage; ++j) {
            if (calls[j].call == DeviceCall::TextOut) {
                texts.push_back(&calls[j]);
            }
            ruled = ruled || calls[j].call == DeviceCall::Line;
        }
        EXPECT_TRUE(ruled) << "page " << calls[i].page;
        ASSERT_GE(texts.size(), 2u);
        EXPECT_EQ(texts[0]->text, "Title");
        EXPECT_EQ(texts[1]->y1, 400) << "page " << calls[i].page;
        EXPECT_EQ(texts[1]->x1, 300);
        for (const RecordedCall* text : texts) {
            EXPECT_LE(text->y1, 800) << text->text;
        }
        // A line exactly at the bottom margin still goes on the page.
        if (calls[i].page < pages) {
            EXPECT_EQ(texts.back()->y1, 800) << "page " << calls[i].page;
        }
        // The lines of the report continue in order across the pages.
        for (std::size_t t = 1; t < texts.size(); ++t, ++entry) {
            ASSERT_LT(entry, lines.size());
            EXPECT_EQ(texts[t]->text, lines[entry].text);
        }
    }
    EXPECT_EQ(entry, lines.size());
}

TEST(ReportPrinter, SecondColumnStaysWithItsPartnerAcrossAPageBreak) {
    // "Refrigerant" is the fifth line, at 600; after it y is 650, which is
    // past 1020 - 400. Its name must still go beside it on page 1, and the
    // next caption starts page 2.
    DeviceGeometry geometry;
    geometry.pageHeight = 1020;
    RecordingReportDevice device(geometry);
    printReportDocument(device, "Title", "Doc",
                        reportLines(TypedInputs(), UnitSettings{}, WorkedResult()));

    const std::vector<RecordedCall> texts = Texts(device);
    const RecordedCall* caption = nullptr;
    const RecordedCall* name = nullptr;
    const RecordedCall* next = nullptr;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].text == "Refrigerant") {
            caption = &texts[i];
            name = &texts[i + 1];
        }
        if (texts[i].text == "Heat load of the system") {
            next = &texts[i];
        }
    }
    ASSERT_TRUE(caption && name && next);
    EXPECT_EQ(name->text, "R600a");
    EXPECT_EQ(caption->page, 1);
    EXPECT_EQ(name->page, 1);
    EXPECT_EQ(name->y1, caption->y1);
    EXPECT_EQ(name->y1, 600);
    EXPECT_EQ(name->x1, 1740);
    EXPECT_EQ(next->page, 2);
    EXPECT_EQ(next->y1, 400);

    // Everywhere in the report a column-1 text shares its partner's page and
    // line.
    for (std::size_t i = 1; i < texts.size(); ++i) {
        if (texts[i].x1 == 1740) {
            EXPECT_EQ(texts[i].page, texts[i - 1].page) << texts[i].text;
            EXPECT_EQ(texts[i].y1, texts[i - 1].y1) << texts[i].text;
            EXPECT_GE(texts[i].y1, 400) << texts[i].text;
        }
    }
}

TEST(ReportPrinter, DestructorEndsAnOpenJobOnce) {
    {
        RecordingReportDevice device;
        {
            ReportPrinter printer(device, "T", "Doc");
            printer.BeginDocument();
            printer.PrintLine("x");
        }
        EXPECT_EQ(device.count(DeviceCall::EndPage), 1);
        EXPECT_EQ(device.count(DeviceCall::EndDocument), 1);
        EXPECT_EQ(device.calls().back().call, DeviceCall::EndDocument);
    }
    {
        // A job without a page ends without an EndPage.
        RecordingReportDevice device;
        {
            ReportPrinter printer(device, "T", "Doc");
            printer.BeginDocument();
        }
        EXPECT_EQ(device.count(DeviceCall::EndPage), 0);
        EXPECT_EQ(device.count(DeviceCall::EndDocument), 1);
    }
    {
        // Already ended, or never begun: the destructor adds nothing.
        RecordingReportDevice device;
        {
            ReportPrinter printer(device, "T", "Doc");
            printer.BeginDocument();
            printer.PrintLine("x");
            printer.EndDocument();
            EXPECT_FALSE(printer.documentOpen());
            printer.EndDocument();
        }
        { ReportPrinter unused(device, "T", "Doc"); }
        EXPECT_EQ(device.count(DeviceCall::EndPage), 1);
        EXPECT_EQ(device.count(DeviceCall::EndDocument), 1);
        EXPECT_EQ(device.count(DeviceCall::StartDocument), 1);
    }
}

TEST(ReportPrinter, TitleIsCutTo255CharactersAndAFirstSecondColumnTextTakesTheFirstLine) {
    RecordingReportDevice device;
    ReportPrinter printer(device, std::string(300, 'x'), "Doc");
    printer.BeginDocument();
    printer.PrintLine("alone", 1);
    printer.PrintLine("next");
    printer.EndDocument();
    const std::vector<RecordedCall> texts = Texts(device);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, std::string(255, 'x'));
    EXPECT_EQ(texts[1].y1, 400);
    EXPECT_EQ(texts[1].x1, 1740);
    EXPECT_EQ(texts[2].y1, 450);
}

// The refrigerant's name as the report quotes it: a name that fills its field
// has no terminating zero of its own; an index outside the database gives none.
TEST(ReportContent, InputsNameTheRefrigerantOfTheDatabase) {
    auto db = std::make_unique<RefrigerantDatabase>();
    db->refrigerantCount = 2;
    std::memcpy(db->refrigerants[0].name, "R134a", 6);
    std::memset(db->refrigerants[1].name, 'N', MAX_REFRIGERANT_NAME + 1);
    const ReportInputs first = reportInputsFor(*db, 0, "110", "-25", "55", "32");
    EXPECT_EQ(first.refrigerantName, "R134a");
    EXPECT_EQ(first.heatLoadText + first.evapTempText + first.condTempText +
                  first.returnGasTempText,
              "110-255532");
    EXPECT_EQ(reportInputsFor(*db, 1, "", "", "", "").refrigerantName,
              std::string(MAX_REFRIGERANT_NAME, 'N'));
    for (int outside : {-1, 2, MAX_REFRIGERANTS}) {
        EXPECT_EQ(reportInputsFor(*db, outside, "", "", "", "").refrigerantName, "") << outside;
    }
}
