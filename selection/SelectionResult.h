#pragma once
// The outcome of the last selection run. A failed run rewrites only the
// validity flags, `message` and `rangeText`; the numbers and rows of the last
// successful run stay for the painter and the printed report.
#include "database/RefrigerantDatabase.h"

#include <string>

// The engine always shows nine tubes.
constexpr int RESULT_ROWS = 9;

// One shown tube: its length text and its inner-diameter text.
struct ResultRowText {
    std::string length;
    std::string diameter;
};

struct SelectionResult {
    // Input checks, written by every run.
    bool heatLoadValid = false;
    bool evapTempValid = false;
    bool condTempValid = false;
    bool returnGasValid = false;
    // True when the last run produced a recommendation from a usable flow
    // rate; false after any failed run, including one where all four inputs
    // were in range but the data gave no usable flow or tube list.
    bool flowValid = false;
    std::string message;   // what failed; empty after a successful run
    std::string rangeText; // the valid range of the failed value, or a hint

    // Written by successful runs only.
    double flowRate = 0;                // l/min of nitrogen at 10 bar
    double lengths[MAX_DIAMETERS] = {}; // m, one per diameter of the active list
    int optimalIndex = 0;               // in the active list
    int firstRow = 0;                   // index of the first shown tube
    int selectedRow = 0;                // 0..8; firstRow + selectedRow == optimalIndex
    ResultRowText rowTexts[RESULT_ROWS];
};

// True when the last run gave a recommendation that may be shown or printed:
// all four inputs in range and a usable flow rate.
inline bool hasRecommendation(const SelectionResult& result) {
    return result.heatLoadValid && result.evapTempValid && result.condTempValid &&
           result.returnGasValid && result.flowValid;
}
