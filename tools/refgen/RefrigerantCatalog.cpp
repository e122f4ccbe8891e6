#include "tools/refgen/RefrigerantCatalog.h"

const std::vector<ApplicationClass>& applicationClasses() {
    static const std::vector<ApplicationClass> CLASSES = {
        {"LBP", -40.0, -10.0, "Te -25, Tc 55, return gas 32"},
        {"MBP", -25.0, 0.0, "Te -10, Tc 45, return gas 32"},
        {"HBP", -10.0, 15.0, "Te +5 (or +7.2), Tc 55 (or 54.4), return gas 35"},
    };
    return CLASSES;
}

const std::vector<CatalogEntry>& refrigerantCatalog() {
    // name, classes, use, Te min/max, Tc min/max, Trg min/max, loads min/max, viscosity reference.
    // Condensing maxima stay at least 15 K below the critical temperature
    // (the blends of R125 and R143a, critical near 70 °C, end at 55 °C).
    static const std::vector<CatalogEntry> CATALOG = {
        {"R600a", "LBP MBP", "household refrigerators and freezers", //
         -35, 0, 35, 60, 0, 45, 30, 400, ""},
        {"R134a", "LBP MBP HBP", "household and light commercial", //
         -35, 10, 35, 60, 10, 45, 20, 500, ""},
        {"R290", "LBP MBP HBP", "commercial plug-in cabinets, bottle coolers", //
         -40, 10, 35, 60, 10, 45, 20, 500, ""},
        {"R1270", "LBP MBP HBP", "commercial plug-in cabinets", //
         -40, 10, 35, 60, 10, 45, 20, 500, ""},
        {"R12", "LBP MBP HBP", "household (service of old systems)", //
         -35, 10, 35, 60, 10, 45, 20, 500, ""},
        {"R152a", "LBP MBP", "household refrigerators", //
         -30, 5, 35, 60, 5, 45, 20, 500, ""},
        {"R1234yf", "MBP HBP", "light commercial", //
         -30, 10, 35, 60, 10, 45, 20, 500, ""},
        {"R1234ze(E)", "MBP HBP", "light commercial, dehumidifiers", //
         -20, 10, 35, 60, 10, 45, 20, 500, ""},
        {"R513A", "MBP HBP", "light commercial (R134a replacement)", //
         -30, 10, 35, 60, 10, 45, 20, 500, ""},
        {"R22", "LBP MBP HBP", "commercial, small air conditioning (service)", //
         -40, 10, 35, 60, 10, 45, 20, 500, ""},
        {"R502", "LBP MBP", "commercial freezers (service of old systems)", //
         -40, -5, 35, 55, -5, 45, 20, 500, "R22"},
        {"R404A", "LBP MBP", "commercial freezers and coolers", //
         -40, -5, 35, 55, -5, 45, 20, 500, ""},
        {"R507A", "LBP MBP", "commercial freezers and coolers", //
         -40, -5, 35, 55, -5, 45, 20, 500, ""},
        {"R452A", "LBP MBP", "commercial (R404A replacement)", //
         -40, -5, 35, 55, -5, 45, 20, 500, ""},
        {"R455A", "LBP MBP", "commercial plug-in cabinets (R404A replacement)", //
         -35, -5, 35, 55, -5, 45, 20, 500, ""},
        {"R407C", "MBP HBP", "small air conditioning, dehumidifiers", //
         -25, 10, 35, 60, 10, 45, 20, 500, ""},
        {"R410A", "MBP HBP", "small air conditioning, heat pumps", //
         -20, 10, 35, 55, 10, 45, 20, 500, ""},
        {"R32", "HBP", "window and portable air conditioners", //
         -10, 12, 35, 55, 12, 45, 20, 500, ""},
    };
    return CATALOG;
}
