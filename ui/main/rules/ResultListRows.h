#pragma once
// What the results list shows after a selection run: the nine tubes with the
// optimal one selected, or one row with the message and the valid range.
#include "selection/SelectionResult.h"

#include <string>
#include <vector>

struct ResultListRow {
    std::string length;   // column 0 ("Length"); the message of a failed run
    std::string diameter; // column 1 ("Inner Diameter"); the range text
};

struct ResultListContent {
    std::vector<ResultListRow> rows;
    int selectedRow = -1; // -1: no row selected
};

ResultListContent resultListContentFor(const SelectionResult& result, bool runSucceeded);
