#pragma once
// Small helpers shared by the main window's GUI tests.
#include "resources/ResourceIds.h"
#include "selection/RunSelection.h"
#include "tests/core/TestDataFiles.h"
#include "tests/gui/GuiHarness.h"
#include "ui/main/MainWindow.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace gui {

inline std::string FieldText(const MainWindow& window, int controlId) {
    return WindowText(Item(window, controlId));
}

inline HWND ResultsListWindow(const MainWindow& window) {
    return Item(window, IDC_MAIN_RESULTS);
}

// The rows a fresh selection run on the window's current inputs would show.
inline std::vector<std::pair<std::string, std::string>> ExpectedRows(const MainWindow& window) {
    SelectionResult expected;
    std::vector<std::pair<std::string, std::string>> rows;
    if (!RunSelection(window.enteredInputs(), window.selectedRefrigerant(), window.units(),
                      window.database(), expected)) {
        rows.emplace_back(expected.message, expected.rangeText);
        return rows;
    }
    for (const ResultRowText& row : expected.rowTexts) {
        rows.emplace_back(row.length, row.diameter);
    }
    return rows;
}

// Waits until the main window is on the screen.
inline Script& WaitShown(Script& script, const MainWindow& window) {
    return script.waitUntil(
        [&window] { return window.hwnd() != nullptr && IsWindowVisible(window.hwnd()); },
        "the main window to be shown");
}

inline void RowIs(const std::vector<std::pair<std::string, std::string>>& rows,
                  const std::string& message, const std::string& range) {
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].first, message);
    EXPECT_EQ(rows[0].second, range);
}

} // namespace gui
