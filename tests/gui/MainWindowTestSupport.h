#pragma once
// Small helpers shared by the main window's GUI tests.
#include "resources/ResourceIds.h"
#include "selection/RunSelection.h"
#include "tests/core/TestDataFiles.h"
#include "tests/gui/GuiHarness.h"
#include "ui/main/MainWindow.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
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

inline void RowIs(const std::vector<std::pair<std::string, std::string>>& rows,
                  const std::string& message, const std::string& range) {
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].first, message);
    EXPECT_EQ(rows[0].second, range);
}

// Opens the settings dialog from the main window with a posted click, runs
// `choose` on it, then ends it with `button` and waits until the main window
// has recalculated.
inline void ChangeSettings(Script& script, MainWindow& window, std::function<void(HWND)> choose,
                           int button, int& countBefore) {
    auto settings = std::make_shared<HWND>(nullptr);
    int* before = &countBefore;
    script
        .then([&window, before] {
            *before = window.recalculationCount();
            PostClick(window.hwnd(), IDC_MAIN_SETTINGS);
        })
        .waitForDialog(L"Settings", *settings)
        .then([settings, choose, button] {
            // The main window is disabled while its dialog runs.
            EXPECT_FALSE(IsWindowEnabled(GetWindow(*settings, GW_OWNER)));
            choose(*settings);
            PostClick(*settings, button);
        })
        .waitUntil(
            [&window, before] {
                return FindDialog(L"Settings") == nullptr && window.recalculationCount() > *before;
            },
            "the settings dialog to end and the window to recalculate");
}

} // namespace gui
