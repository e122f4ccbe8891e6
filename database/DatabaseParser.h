#pragma once
// Parsing the unscrambled text into the tables.
#include "database/DataFileReader.h"
#include "database/RefrigerantDatabase.h"

// Why a load failed, for the data file tool; the program itself only needs
// the boolean. `line` counts from 1 at the start of the text (0 when the
// failure has no line, for instance a missing "[START]").
struct ParseFailure {
    int line = 0;
    const char* reason = "";
};

// Parses `text` into `db`. Returns true when the database loaded. The caller
// sets db.databaseVersion before the call; it is replaced only by a non-empty
// version line. On failure `failure`, when given, says why and where.
bool ParseDatabase(const DataFileText& text, RefrigerantDatabase& db,
                   ParseFailure* failure = nullptr);
