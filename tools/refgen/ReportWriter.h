#pragma once
// docs/refrigerant-data.md: how the data file's numbers were made and how
// well they hold up, with every figure computed by the generator itself.
#include "tools/refgen/DataFileWriter.h"
#include "tools/refgen/DataGeneration.h"
#include "tools/refgen/NitrogenFlow.h"

#include <memory>
#include <string>
#include <vector>

struct ReportInputs {
    const std::vector<RefrigerantData>& records;
    const DataFileHeader& header;
    const SizingAssumptions& assumptions;
    const NitrogenTable& nitrogen;
    std::string tableFolder;
    const std::vector<std::shared_ptr<Fluid>>& fluids;
};

bool writeReport(const ReportInputs& in, std::string& report, std::string& error);
