#include "tools/refgen/Generator.h"

#include "tools/refgen/DataFileWriter.h"
#include "tools/refgen/DataGeneration.h"
#include "tools/refgen/FlowPlots.h"
#include "tools/refgen/NitrogenFlow.h"
#include "tools/refgen/ReportWriter.h"
#include "tools/refgen/ShippedSettings.h"

bool generateOutputs(const std::string& root, int threads, std::vector<OutputFile>& files,
                     std::string& error) {
    files.clear();
    const std::string tables = root + "/data/refprops";
    std::vector<std::shared_ptr<Fluid>> fluids;
    if (!loadCatalogFluids(tables, fluids, error)) {
        return false;
    }
    NitrogenTable nitrogen;
    if (!loadNitrogen(tables, nitrogen, error)) {
        return false;
    }
    const SizingAssumptions assumptions = shippedAssumptions();
    const std::vector<RefrigerantData> records = generateAll(fluids, assumptions, threads);
    for (const RefrigerantData& r : records) {
        if (!r.ok) {
            error = r.error;
            return false;
        }
    }
    const DataFileHeader header = shippedHeader();
    std::string text;
    if (!writeDataFileText(header, records, text, error)) {
        return false;
    }
    files.push_back({"data/Olvane.txt", text});
    for (const RefrigerantData& r : records) {
        files.push_back({"docs/plots/" + plotFileName(r.entry.name), flowPlotSvg(r, assumptions)});
    }
    std::string report;
    if (!writeReport(ReportInputs{records, header, assumptions, nitrogen, tables, fluids}, report,
                     error)) {
        return false;
    }
    files.push_back({"docs/refrigerant-data.md", report});
    return true;
}
