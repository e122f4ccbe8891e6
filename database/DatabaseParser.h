#pragma once
// Parsing the unscrambled text into the tables.
#include "database/DataFileReader.h"
#include "database/RefrigerantDatabase.h"

// Limits of the format beyond the table capacities: a number field holds at
// most MAX_NUMBER_FIELD characters, and a diameter or record line of
// PACKED_LINE_LIMIT or more characters besides spaces is too long.
constexpr int MAX_NUMBER_FIELD = 31;
constexpr int PACKED_LINE_LIMIT = 1000;

// Why a data file was refused: by the parser, or because the loaded tables
// cannot serve the selection (loadUsableDatabase). The program itself shows
// one message for every cause; the data file tool prints this. `line` counts
// from 1 at the start of the text (0 when the failure has no line, for
// instance a missing "[START]" or a diameter list that is too short).
struct LoadFailure {
    int line = 0;
    const char* reason = "";
};

// Parses `text` into `db`. Returns true when the database loaded. The caller
// sets db.databaseVersion before the call; it is replaced only by a non-empty
// version line. On failure `failure`, when given, says why and where.
bool ParseDatabase(const DataFileText& text, RefrigerantDatabase& db,
                   LoadFailure* failure = nullptr);
