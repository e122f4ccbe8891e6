#pragma once
// Whether a data file's text gives a database the program can run on. The
// program refuses every other file at start-up with one message; the data
// file tool prints the reason.
#include "database/DataFileReader.h"
#include "database/DatabaseParser.h"
#include "database/RefrigerantDatabase.h"

#include <string>

// True when the database holds at least one refrigerant and both diameter
// lists hold at least RESULT_ROWS (9) diameters, with every count within its
// capacity.
bool isDatabaseUsable(const RefrigerantDatabase& db);

// Why isDatabaseUsable is false; nullptr when the database is usable.
const char* unusableReason(const RefrigerantDatabase& db);

// The whole start-up decision on the text ReadDataFile gave: refused when
// there is no text, when ParseDatabase fails, or when the parsed database is
// not usable. The caller sets db.databaseVersion first (see ParseDatabase).
// On refusal `why`, when given, holds the reason, with the line for parse
// failures.
bool loadUsableDatabase(const DataFileText& text, RefrigerantDatabase& db,
                        LoadFailure* why = nullptr);

// The reason as one line: "line N: reason", or the reason alone when it has no
// line.
std::string describeLoadFailure(const LoadFailure& why);
