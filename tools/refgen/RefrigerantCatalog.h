#pragma once
// The refrigerants the data file ships, in file order, with their
// application envelopes: the evaporating temperatures of the hermetic
// compressor classes each is made for, condensing temperatures of air-cooled
// small systems kept well clear of the critical point, and return gas
// temperatures from the warmest evaporating temperature (no superheat) to
// 45 °C.
#include <string>
#include <vector>

struct CatalogEntry {
    std::string name;    // as in the property tables and in the data file
    std::string classes; // compressor application classes, e.g. "LBP MBP HBP"
    std::string use;     // typical small hermetic applications
    double evapMin, evapMax;
    double condMin, condMax;
    double returnGasMin, returnGasMax;
    double loadMin, loadMax;        // W, heat loads of the fit grid
    std::string viscosityReference; // fluid to scale the viscosity from when the tables have none
};

const std::vector<CatalogEntry>& refrigerantCatalog();

// Evaporating temperature ranges of the compressor classes (°C), as the
// program's envelopes use them.
struct ApplicationClass {
    const char* name;
    double evapMin, evapMax;
    const char* rating; // the EN 12900 / CECOMAF rating point of the class
};
const std::vector<ApplicationClass>& applicationClasses();
