#pragma once
// Checks of the shipped data that the report prints: the program's tube
// choice at an operating point, the lengths the d^5 rule gives next to the
// model's own lengths, the heat exchanger's bounds, published reference
// points against the model.
#include "tools/refgen/DataGeneration.h"

#include <string>
#include <vector>

// What the program makes of a flow and a diameter list: its lengths
// (computeTubeLengths) and its optimal tube (findOptimalTube). The list holds
// at most MAX_DIAMETERS values, as a data file's list does.
struct ProgramTubes {
    std::vector<double> lengths; // m, one per diameter
    int optimal = 0;             // index of the optimal tube
};

ProgramTubes programTubeChoice(const std::vector<double>& diametersMillimetres, double flow,
                               double targetLength);

struct NeighbourLength {
    double diameter = 0.0;    // mm
    double ruleLength = 0.0;  // m, the program's length with the model's F
    double modelLength = 0.0; // m, the model's tube of that diameter for the same mass flow
};

// Around the model's tube for `point`: the rule's and the model's lengths
// for the given list diameters.
bool neighbourLengths(const Fluid& fluid, const OperatingPoint& point,
                      const SizingAssumptions& assumptions,
                      const std::vector<double>& diametersMillimetres,
                      std::vector<NeighbourLength>& rows);

// A published reference point: an adiabatic capillary with subcooled or
// saturated liquid at the inlet.
struct ReferencePoint {
    std::string source; // short citation
    std::string url;    // where it was read
    std::string kind;   // "measurement" or "handbook correlation" ...
    std::string refrigerant;
    double diameter = 0.0;          // mm
    double length = 0.0;            // m
    double inletPressure = 0.0;     // bar absolute (0: from the condensing temperature)
    double condensing = 0.0;        // °C, when inletPressure is 0
    double subcooling = 0.0;        // K
    double outletEvaporating = 0.0; // °C, dew temperature setting the outlet pressure
    double published = 0.0;         // kg/h
    std::string note;
};

const std::vector<ReferencePoint>& referencePoints();

// The model's mass flow (kg/h) for a reference point, with `options`.
bool modelMassFlow(const Fluid& fluid, const ReferencePoint& point, const CapillaryOptions& options,
                   double& kilogramsPerHour, bool& choked);
