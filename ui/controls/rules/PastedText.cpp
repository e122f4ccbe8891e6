#include "ui/controls/rules/PastedText.h"

#include <algorithm>

std::string pastedText(const std::string& text, TextSelection selection,
                       const std::string& clipboard, int limit) {
    const int length = static_cast<int>(text.size());
    int start = std::clamp(selection.start, 0, length);
    int end = std::clamp(selection.end, 0, length);
    if (start > end) {
        std::swap(start, end);
    }

    // A single-line control takes the first line only, without its CR.
    std::string inserted = clipboard.substr(0, clipboard.find('\n'));
    if (!inserted.empty() && inserted.back() == '\r' && inserted.size() < clipboard.size()) {
        inserted.pop_back();
    }

    if (limit > 0) {
        const int kept = length - (end - start);
        const int room = std::max(0, limit - kept);
        if (static_cast<int>(inserted.size()) > room) {
            inserted.resize(static_cast<size_t>(room));
        }
    }
    return text.substr(0, static_cast<size_t>(start)) + inserted +
           text.substr(static_cast<size_t>(end));
}
