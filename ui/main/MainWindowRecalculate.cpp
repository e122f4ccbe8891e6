// The selection run and the result list.
#include "ui/main/MainWindow.h"

#include "selection/RunSelection.h"
#include "ui/main/rules/ResultListRows.h"
#include "win32/Text1252.h"

#include <commctrl.h>

namespace {

void setItemText(HWND list, int row, int column, const std::string& text) {
    std::wstring wide = widen1252(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void insertRow(HWND list, int row, const ResultListRow& texts) {
    std::wstring first = widen1252(texts.length);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = first.data();
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    setItemText(list, row, 0, texts.length);
    setItemText(list, row, 1, texts.diameter);
}

} // namespace

void MainWindow::Recalculate() {
    HWND list = resultsList_.hwnd();
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);

    const SelectionInputs inputs = enteredInputs();
    const bool succeeded = RunSelection(inputs, currentRefrigerant, units_, *database_, result_);

    const ResultListContent content = resultListContentFor(result_, succeeded);
    for (size_t row = 0; row < content.rows.size(); ++row) {
        insertRow(list, static_cast<int>(row), content.rows[row]);
    }
    if (content.selectedRow >= 0) {
        // Selected (the yellow row) and focused: where the keyboard and a
        // screen reader start in the list.
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(content.selectedRow),
                     reinterpret_cast<LPARAM>(&state));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    if (content.selectedRow >= 0) {
        // The list shows about seven of the nine rows: bring the optimal row
        // into view, which scrolls only when it is not fully visible already.
        SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(content.selectedRow), FALSE);
    }
    InvalidateRect(list, nullptr, TRUE);
    nameRecommendation(succeeded);

    if (succeeded) {
        redrawNow(hwnd()); // the painted flow line shows the new value
    }
    recalcPending = false;
    ++recalculationCount_;
}
