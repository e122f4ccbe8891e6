#include "tools/refgen/Generator.h"

#include "tools/refgen/DataFileWriter.h"
#include "tools/refgen/DataGeneration.h"
#include "tools/refgen/FlowPlots.h"
#include "tools/refgen/NitrogenFlow.h"
#include "tools/refgen/ReportWriter.h"
#include "tools/refgen/ShippedSettings.h"

bool GenerateOutputs(const std::string& root, int threads, std::vector<OutputFile>& files,
                     std::string& error) {
    files.clear();
    const std::string tables = root + "/data/refprops";
    std::vector<std::shared_ptr<Fluid>> fluids;
    if (!LoadCatalogFluids(tables, fluids, error)) {
        return false;
    }
    NitrogenTable nitrogen;
    if (!LoadNitrogen(tables, nitrogen, error)) {
        return false;
    }
    const SizingAssumptions assumptions = ShippedAssumptions();
    const std::vector<RefrigerantData> records = GenerateAll(fluids, assumptions, threads);
    for (const RefrigerantData& r : records) {
        if (!r.ok) {
            error = r.error;
            return false;
        }
    }
    const DataFileHeader header = ShippedHeader();
    std::string text;
    if (!WriteDataFileText(header, records, text, error)) {
        return false;
    }
    files.push_back({"data/Olvane.txt", text});
    for (const RefrigerantData& r : records) {
        files.push_back({"docs/plots/" + PlotFileName(r.entry.name), FlowPlotSvg(r, assumptions)});
    }
    std::string report;
    if (!WriteReport(ReportInputs{records, header, assumptions, nitrogen, tables, fluids}, report,
                     error)) {
        return false;
    }
    files.push_back({"docs/refrigerant-data.md", report});
    return true;
}
