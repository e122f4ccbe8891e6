#include "selection/DatabaseUsability.h"

#include "selection/SelectionResult.h"

namespace {

static_assert(RESULT_ROWS == 9, "the reasons below name the nine shown tubes");

// Why a diameter list cannot serve the nine result rows; nullptr when it can.
const char* listReason(const DiameterList& list, const char* tooShort, const char* tooLong) {
    if (list.count < RESULT_ROWS) {
        return tooShort;
    }
    return list.count > MAX_DIAMETERS ? tooLong : nullptr;
}

} // namespace

const char* unusableReason(const RefrigerantDatabase& db) {
    if (db.refrigerantCount < 1) {
        return "no refrigerant line after the headings line: the program has nothing to select";
    }
    if (db.refrigerantCount > MAX_REFRIGERANTS) {
        return "more than 50 refrigerants";
    }
    if (const char* reason = listReason(
            db.europeDiameters,
            "fewer than 9 Europe diameters (line 4 after [START]): the program shows nine tubes",
            "more than 50 Europe diameters")) {
        return reason;
    }
    return listReason(db.northAmericaDiameters,
                      "fewer than 9 North America diameters (line 5 after [START]): the program "
                      "shows nine tubes",
                      "more than 50 North America diameters");
}

bool isDatabaseUsable(const RefrigerantDatabase& db) {
    return unusableReason(db) == nullptr;
}

bool loadUsableDatabase(const DataFileText& text, RefrigerantDatabase& db, LoadFailure* why) {
    if (why != nullptr) {
        *why = LoadFailure{};
    }
    if (text.length <= 0) {
        if (why != nullptr) {
            why->reason = "no text: the file is missing or cannot be opened, is empty or "
                          "a single byte, or its data end (byte 0x1A) before the second byte";
        }
        return false;
    }
    if (!ParseDatabase(text, db, why)) {
        return false;
    }
    const char* reason = unusableReason(db);
    if (reason != nullptr && why != nullptr) {
        why->reason = reason;
    }
    return reason == nullptr;
}

std::string describeLoadFailure(const LoadFailure& why) {
    std::string reason = why.reason != nullptr ? why.reason : "";
    if (why.line > 0) {
        return "line " + std::to_string(why.line) + ": " + reason;
    }
    return reason;
}
