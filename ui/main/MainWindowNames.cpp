// The labels that name the selector, the fields and the results list for
// screen readers. Each label has no size, so it paints nothing; its text
// comes from the same table the painter draws the captions from.
#include "ui/main/MainWindow.h"

#include "resources/ResourceIds.h"
#include "ui/main/rules/PanelTexts.h"
#include "win32/Text1252.h"
#include "win32/WindowText.h"

void MainWindow::nameInputs() {
    for (const InputRowText& row : INPUT_ROW_TEXTS) {
        setLabelText(row.labelId, row.controlId, inputRowLabelText(row, units_));
    }
}

void MainWindow::nameRecommendation(bool runSucceeded) {
    setLabelText(IDC_MAIN_RESULTS_LABEL, IDC_MAIN_RESULTS,
                 recommendationLabelText(result_, runSucceeded, units_));
}

// A new text is announced as a new name of the control the label names: the
// system raises no such event for a label's text.
void MainWindow::setLabelText(int labelId, int controlId, const std::string& text) {
    const HWND label = item(labelId);
    const std::wstring wide = widen1252(text);
    if (label == nullptr || windowText(label) == wide) {
        return;
    }
    SetWindowTextW(label, wide.c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, item(controlId), OBJID_CLIENT, CHILDID_SELF);
}
