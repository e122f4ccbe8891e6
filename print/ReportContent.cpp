#include "print/ReportContent.h"

#include "units/TextFormat.h"
#include "units/Units.h"

#include <utility>

namespace {

class LineList {
public:
    explicit LineList(std::vector<ReportLine>& lines) : lines_(lines) {}
    void line(std::string text) { lines_.push_back({std::move(text), 0}); }
    void pair(std::string caption, std::string value) {
        line(std::move(caption));
        lines_.push_back({std::move(value), 1});
    }
    void blanks(int count) {
        for (int i = 0; i < count; ++i) {
            line(" "); // a single blank makes an empty line
        }
    }

private:
    std::vector<ReportLine>& lines_;
};

std::string valueWithUnit(const std::string& fieldText, const UnitSettings& units, int kind) {
    return formatText("%s %s", fieldText.c_str(), UnitLabel(units, kind));
}

int clampedRow(int row) {
    if (row < 0) {
        return 0;
    }
    return row < RESULT_ROWS ? row : RESULT_ROWS - 1;
}

} // namespace

ReportInputs reportInputsFor(const RefrigerantDatabase& db, int refrigerant,
                             std::string heatLoadText, std::string evapTempText,
                             std::string condTempText, std::string returnGasTempText) {
    ReportInputs inputs;
    if (refrigerant >= 0 && refrigerant < db.refrigerantCount && refrigerant < MAX_REFRIGERANTS) {
        inputs.refrigerantName = fieldText(db.refrigerants[refrigerant].name);
    }
    inputs.heatLoadText = std::move(heatLoadText);
    inputs.evapTempText = std::move(evapTempText);
    inputs.condTempText = std::move(condTempText);
    inputs.returnGasTempText = std::move(returnGasTempText);
    return inputs;
}

std::string reportTitle(const std::string& fileDescription, const std::string& programVersion) {
    return formatText("%s v%s", fileDescription.c_str(), programVersion.c_str());
}

std::string reportFlowText(const UnitSettings& units, double litresPerMinute) {
    // formatFlowNumber gives "%0.1f" for l/min and "%0.2f" for CFM,
    // formatPressureDrop 10 bar in the pressure unit as "%0.0f".
    return formatText("%s %s (N2 at delta p %s %s)",
                      formatFlowNumber(units, litresPerMinute).c_str(), UnitLabel(units, UNIT_FLOW),
                      formatPressureDrop(units).c_str(), UnitLabel(units, UNIT_PRESSURE));
}

std::vector<ReportLine> reportLines(const ReportInputs& inputs, const UnitSettings& units,
                                    const SelectionResult& result) {
    std::vector<ReportLine> lines;
    LineList out(lines);

    out.blanks(2);
    out.line("Input Data: ");
    out.blanks(1);
    out.pair("Refrigerant", inputs.refrigerantName);
    out.pair("Heat load of the system", valueWithUnit(inputs.heatLoadText, units, UNIT_ENERGY));
    out.pair("Evaporating temperature",
             valueWithUnit(inputs.evapTempText, units, UNIT_TEMPERATURE));
    out.pair("Condensing temperature", valueWithUnit(inputs.condTempText, units, UNIT_TEMPERATURE));
    out.pair("Return gas temperature",
             valueWithUnit(inputs.returnGasTempText, units, UNIT_TEMPERATURE));
    out.blanks(1);

    // Inputs in range but no usable flow is no recommendation either.
    if (!hasRecommendation(result)) {
        out.blanks(2);
        out.line("Cannot calculate tube data. Invalid input.");
        return lines;
    }

    out.blanks(3);
    out.line("Capillary Tube Recommendation: ");
    out.pair("Flow Rate", reportFlowText(units, result.flowRate));
    out.blanks(1);
    out.pair("Length", "Diameter");
    for (const ResultRowText& row : result.rowTexts) {
        out.pair(row.length, row.diameter);
    }
    out.blanks(2);
    out.line("Optimal Selection:");
    const ResultRowText& optimal = result.rowTexts[clampedRow(result.selectedRow)];
    out.line(formatText("A %s length of %s diameter tubing.", optimal.length.c_str(),
                        optimal.diameter.c_str()));
    return lines;
}

void printReportDocument(ReportDevice& device, const std::string& title,
                         const std::string& documentName, const std::vector<ReportLine>& lines) {
    ReportPrinter printer(device, title, documentName);
    printer.BeginDocument();
    device.setTextColour(REPORT_BLACK);
    for (const ReportLine& line : lines) {
        printer.PrintLine(line.text, line.column);
    }
    printer.EndDocument();
}
