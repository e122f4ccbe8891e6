#pragma once
// What the printed report says: the inputs as the user typed them, then the
// recommendation (flow rate, the nine tubes, the optimal one as a sentence)
// or the notice that nothing could be calculated. Pure functions of their
// arguments; ReportPrinter lays the lines out.
#include "database/RefrigerantDatabase.h"
#include "print/ReportPrinter.h"
#include "selection/SelectionResult.h"
#include "units/UnitSettings.h"

#include <string>
#include <vector>

// The texts the report quotes from the main window.
struct ReportInputs {
    std::string refrigerantName;
    std::string heatLoadText; // the fields' texts as typed, not reformatted
    std::string evapTempText;
    std::string condTempText;
    std::string returnGasTempText;
};

// The report's inputs: the name of refrigerant `refrigerant` of `db` (empty
// when the database has no such refrigerant) and the fields' texts.
ReportInputs reportInputsFor(const RefrigerantDatabase& db, int refrigerant,
                             std::string heatLoadText, std::string evapTempText,
                             std::string condTempText, std::string returnGasTempText);

// One PrintLine call: column 0 starts a line, column 1 completes it.
struct ReportLine {
    std::string text;
    int column = 0;
};

// "<file description> v<program version>", the title of every page.
std::string reportTitle(const std::string& fileDescription, const std::string& programVersion);

// The flow rate as printed, e.g. "2.4 l/min (N2 at delta p 10 bar)".
std::string reportFlowText(const UnitSettings& units, double litresPerMinute);

// Every line of the report in print order: 30 lines (column-0 entries) with
// a recommendation, 13 without one.
std::vector<ReportLine> reportLines(const ReportInputs& inputs, const UnitSettings& units,
                                    const SelectionResult& result);

// The whole job on a device: begins the document, sets black text, prints
// the lines and ends the document.
void printReportDocument(ReportDevice& device, const std::string& title,
                         const std::string& documentName, const std::vector<ReportLine>& lines);
