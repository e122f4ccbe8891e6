#include "ui/main/rules/ResultListRows.h"

ResultListContent resultListContentFor(const SelectionResult& result, bool runSucceeded) {
    ResultListContent content;
    if (!runSucceeded) {
        content.rows.push_back({result.message, result.rangeText});
        return content;
    }
    for (const ResultRowText& row : result.rowTexts) {
        content.rows.push_back({row.length, row.diameter});
    }
    content.selectedRow =
        (result.selectedRow >= 0 && result.selectedRow < RESULT_ROWS) ? result.selectedRow : -1;
    return content;
}
