#include "database/DatabaseParser.h"

#include <charconv>
#include <cstring>
#include <system_error>

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr double INCH_IN_MM = 25.4;
constexpr int RECORD_FIELDS = 6 + FLOW_COEFFICIENTS + DIVISOR_COEFFICIENTS;

// The text as the parser sees it. It ends at its length or at its first zero
// character, whichever comes first; no scan ever looks at or beyond `end`.
struct Text {
    const char* chars;
    int end;
};

Text makeText(const DataFileText& source) {
    int length = source.length;
    if (length < 0) {
        length = 0;
    } else if (length > MAX_DATA_TEXT) {
        length = MAX_DATA_TEXT;
    }
    const void* zero = std::memchr(source.chars, 0, static_cast<std::size_t>(length));
    if (zero != nullptr) {
        length = static_cast<int>(static_cast<const char*>(zero) - source.chars);
    }
    return Text{source.chars, length};
}

bool isLineBreak(char c) {
    return c == CR || c == LF;
}

// The 1-based line number of `pos` as an editor counts lines: CR LF, a lone
// CR and a lone LF each end one line.
int lineNumberAt(const Text& text, int pos) {
    int line = 1;
    for (int i = 0; i < pos && i < text.end; ++i) {
        if (text.chars[i] == CR) {
            ++line;
            if (i + 1 < pos && text.chars[i + 1] == LF) {
                ++i;
            }
        } else if (text.chars[i] == LF) {
            ++line;
        }
    }
    return line;
}

// Advances to the first CR or LF, steps over it and over one more CR or LF
// right after it: CR LF, LF CR, CR CR and LF LF are each one line break.
int nextLine(const Text& text, int pos) {
    while (pos < text.end && !isLineBreak(text.chars[pos])) {
        ++pos;
    }
    if (pos < text.end) {
        ++pos;
        if (pos < text.end && isLineBreak(text.chars[pos])) {
            ++pos;
        }
    }
    return pos;
}

int find(const Text& text, const char* marker) {
    const int markerLength = static_cast<int>(std::strlen(marker));
    for (int pos = 0; pos + markerLength <= text.end; ++pos) {
        if (std::memcmp(text.chars + pos, marker, static_cast<std::size_t>(markerLength)) == 0) {
            return pos;
        }
    }
    return -1;
}

// A raw line: the characters from `pos` up to the next CR or LF, spaces
// included. `terminated` is false when the text ends before a line break.
struct RawLine {
    const char* chars;
    int length;
    bool terminated;
};

RawLine readRawLine(const Text& text, int pos) {
    int end = pos;
    while (end < text.end && !isLineBreak(text.chars[end])) {
        ++end;
    }
    return RawLine{text.chars + pos, end - pos, end < text.end};
}

void copyText(char* store, int capacity, const char* chars, int length) {
    const int count = length < capacity ? length : capacity;
    std::memcpy(store, chars, static_cast<std::size_t>(count));
    store[count] = 0;
}

// A packed line: the line from `pos` with every space dropped, zero-terminated.
// `length` stops counting at PACKED_LINE_LIMIT, which means "too long".
struct PackedLine {
    char chars[PACKED_LINE_LIMIT + 1];
    int length;
};

void readPackedLine(const Text& text, int pos, PackedLine& line) {
    line.length = 0;
    for (; pos < text.end && !isLineBreak(text.chars[pos]); ++pos) {
        if (text.chars[pos] == ' ') {
            continue;
        }
        if (line.length == PACKED_LINE_LIMIT) {
            break;
        }
        line.chars[line.length++] = text.chars[pos];
    }
    line.chars[line.length] = 0;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

enum class NumberResult { Ok, TooLong, OutOfRange };

// Converts the decimal number at the start of `field` (length characters,
// no locale involved: the decimal separator is always "."). Leading blanks
// and tabs are skipped; then an optional sign, digits, an optional "." with
// fraction digits and an optional exponent. Whatever follows is ignored, and
// a field that does not start with a number gives 0. A value beyond the range
// of a double is refused; one too small for it gives 0.
NumberResult convertNumber(const char* field, int length, double& value) {
    value = 0;
    int i = 0;
    while (i < length && (field[i] == ' ' || field[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < length && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    const int start = i;
    int integerDigits = 0;
    while (i < length && isDigit(field[i])) {
        ++i;
        ++integerDigits;
    }
    int fractionDigits = 0;
    if (i < length && field[i] == '.') {
        ++i;
        while (i < length && isDigit(field[i])) {
            ++i;
            ++fractionDigits;
        }
    }
    if (integerDigits + fractionDigits == 0) {
        return NumberResult::Ok;
    }
    int exponent = 0;
    if (i < length && (field[i] == 'e' || field[i] == 'E')) {
        int j = i + 1;
        bool negativeExponent = false;
        if (j < length && (field[j] == '+' || field[j] == '-')) {
            negativeExponent = field[j] == '-';
            ++j;
        }
        if (j < length && isDigit(field[j])) {
            while (j < length && isDigit(field[j])) {
                if (exponent < 100000) {
                    exponent = exponent * 10 + (field[j] - '0');
                }
                ++j;
            }
            if (negativeExponent) {
                exponent = -exponent;
            }
            i = j;
        }
    }

    double magnitude = 0;
    const std::from_chars_result result =
        std::from_chars(field + start, field + i, magnitude, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large or too small: the position of the first significant
        // digit tells which.
        int firstSignificant = 0;
        for (int k = start; k < i && field[k] != 'e' && field[k] != 'E'; ++k) {
            if (field[k] == '.') {
                continue;
            }
            if (field[k] != '0') {
                break;
            }
            ++firstSignificant;
        }
        if (integerDigits - firstSignificant - 1 + exponent > 0) {
            return NumberResult::OutOfRange;
        }
        magnitude = 0;
    } else if (result.ec != std::errc()) {
        magnitude = 0;
    }
    value = negative ? -magnitude : magnitude;
    return NumberResult::Ok;
}

// Reads one number field of a packed line (or of a raw header line) from
// `pos`: the characters up to the next comma or the end of the line. Steps
// over the comma. `fieldLength` tells the caller whether the field was empty.
NumberResult readNumberField(const char* line, int lineLength, int& pos, double& value,
                             int& fieldLength) {
    int end = pos;
    while (end < lineLength && line[end] != ',') {
        ++end;
    }
    fieldLength = end - pos;
    value = 0;
    if (fieldLength > MAX_NUMBER_FIELD) {
        return NumberResult::TooLong;
    }
    const NumberResult result = convertNumber(line + pos, fieldLength, value);
    pos = end < lineLength ? end + 1 : end;
    return result;
}

class Parser {
public:
    Parser(const Text& text, RefrigerantDatabase& db, LoadFailure* failure)
        : text_(text), db_(db), failure_(failure) {}

    bool run();

private:
    bool fail(int pos, const char* reason) {
        if (failure_ != nullptr) {
            failure_->line = pos < 0 ? 0 : lineNumberAt(text_, pos);
            failure_->reason = reason;
        }
        return false;
    }

    void clearTables();
    void readHelp(int helpPos, int startPos);
    bool readHeaderLine(int pos, RawLine& line, const char* tooLong, const char* unterminated);
    bool readDiameterLine(int pos, DiameterList& list, double factor, const char* tooLong);
    bool parseRecord(int pos, const PackedLine& line);
    bool numberFailure(int pos, NumberResult result) {
        return fail(pos, result == NumberResult::TooLong
                             ? "a number field has more than 31 characters"
                             : "a number is too large for the program");
    }

    const Text& text_;
    RefrigerantDatabase& db_;
    LoadFailure* failure_;
    PackedLine packed_{};
};

void Parser::clearTables() {
    std::memset(db_.helpLines, 0, sizeof db_.helpLines);
    db_.helpLineCount = 0;
    std::memset(db_.title, 0, sizeof db_.title);
    db_.targetLength = 0;
    db_.europeDiameters = DiameterList{};
    db_.northAmericaDiameters = DiameterList{};
    db_.refrigerantCount = 0;
    for (RefrigerantRecord& record : db_.refrigerants) {
        record = RefrigerantRecord{};
    }
}

// Reads the lines after the "[HELP]" line, and last the line holding
// "[START]", while fewer than MAX_HELP_LINES rows are read and the position
// lies before "[START]". The "[START]" line is read but not counted.
void Parser::readHelp(int helpPos, int startPos) {
    int rows = 0;
    int pos = helpPos;
    while (rows < MAX_HELP_LINES && pos < startPos) {
        pos = nextLine(text_, pos);
        const RawLine line = readRawLine(text_, pos);
        copyText(db_.helpLines[rows], MAX_HELP_LINE_LENGTH, line.chars, line.length);
        ++rows;
    }
    db_.helpLineCount = rows > 0 ? rows - 1 : 0;
}

bool Parser::readHeaderLine(int pos, RawLine& line, const char* tooLong, const char* unterminated) {
    line = readRawLine(text_, pos);
    if (line.length > MAX_HEADER_LINE) {
        return fail(pos, tooLong);
    }
    // Only a line break ends a header line: a text that ends inside one
    // does not load.
    if (!line.terminated) {
        return fail(pos, unterminated);
    }
    return true;
}

bool Parser::readDiameterLine(int pos, DiameterList& list, double factor, const char* tooLong) {
    readPackedLine(text_, pos, packed_);
    if (packed_.length >= PACKED_LINE_LIMIT) {
        return fail(pos, tooLong);
    }
    int fieldPos = 0;
    while (list.count < MAX_DIAMETERS && fieldPos < packed_.length) {
        double value = 0;
        int fieldLength = 0;
        const NumberResult result =
            readNumberField(packed_.chars, packed_.length, fieldPos, value, fieldLength);
        if (fieldLength == 0) {
            break; // an empty field ends the list
        }
        if (result != NumberResult::Ok) {
            return numberFailure(pos, result);
        }
        list.values[list.count++] = value * factor;
    }
    return true;
}

bool Parser::parseRecord(int pos, const PackedLine& line) {
    if (db_.refrigerantCount >= MAX_REFRIGERANTS) {
        return fail(pos, "more than 50 refrigerant lines");
    }
    const void* comma = std::memchr(line.chars, ',', static_cast<std::size_t>(line.length));
    if (comma == nullptr) {
        return fail(pos, "a refrigerant line has no comma after the name");
    }
    const int nameLength = static_cast<int>(static_cast<const char*>(comma) - line.chars);
    if (nameLength > MAX_REFRIGERANT_NAME) {
        return fail(pos, "a refrigerant name has more than 20 characters");
    }

    RefrigerantRecord& record = db_.refrigerants[db_.refrigerantCount];
    record = RefrigerantRecord{};
    copyText(record.name, MAX_REFRIGERANT_NAME, line.chars, nameLength);

    double* const fields[RECORD_FIELDS] = {
        &record.evapMin,
        &record.evapMax,
        &record.condMin,
        &record.condMax,
        &record.returnGasMin,
        &record.returnGasMax,
        &record.flowCoefficients[0],
        &record.flowCoefficients[1],
        &record.flowCoefficients[2],
        &record.flowCoefficients[3],
        &record.flowCoefficients[4],
        &record.flowCoefficients[5],
        &record.flowCoefficients[6],
        &record.flowCoefficients[7],
        &record.flowCoefficients[8],
        &record.flowCoefficients[9],
        &record.divisorCoefficients[0],
        &record.divisorCoefficients[1],
        &record.divisorCoefficients[2],
        &record.divisorCoefficients[3],
    };
    int fieldPos = nameLength + 1;
    // Missing fields stay 0; fields after the twentieth are not read.
    for (double* field : fields) {
        if (fieldPos >= line.length) {
            break;
        }
        int fieldLength = 0;
        const NumberResult result =
            readNumberField(line.chars, line.length, fieldPos, *field, fieldLength);
        if (result != NumberResult::Ok) {
            return numberFailure(pos, result);
        }
    }
    ++db_.refrigerantCount;
    return true;
}

bool Parser::run() {
    clearTables();

    const int helpPos = find(text_, "[HELP]");
    const int startPos = find(text_, "[START]");
    // Without "[HELP]", or with it after "[START]", there are no help lines.
    if (helpPos >= 0 && startPos > helpPos) {
        readHelp(helpPos, startPos);
    }
    if (startPos < 0) {
        return fail(-1, "the text has no [START] line");
    }

    RawLine line{};
    int pos = nextLine(text_, startPos);
    if (!readHeaderLine(pos, line, "the title line has 20 or more characters",
                        "the text ends inside the title line")) {
        return false;
    }
    copyText(db_.title, MAX_HEADER_LINE, line.chars, line.length);

    pos = nextLine(text_, pos);
    if (!readHeaderLine(pos, line, "the version line has 20 or more characters",
                        "the text ends inside the version line")) {
        return false;
    }
    if (line.length > 0) {
        // The version store holds 15 characters; a longer line is cut.
        copyText(db_.databaseVersion, MAX_DATABASE_VERSION, line.chars, line.length);
    }

    pos = nextLine(text_, pos);
    if (!readHeaderLine(pos, line, "the target length line has 20 or more characters",
                        "the text ends inside the target length line")) {
        return false;
    }
    int fieldPos = 0;
    int fieldLength = 0;
    const NumberResult target =
        readNumberField(line.chars, line.length, fieldPos, db_.targetLength, fieldLength);
    if (target != NumberResult::Ok) {
        return numberFailure(pos, target);
    }

    pos = nextLine(text_, pos);
    if (!readDiameterLine(pos, db_.europeDiameters, 1.0,
                          "the Europe diameter line has 1000 or more characters")) {
        return false;
    }
    pos = nextLine(text_, pos);
    if (!readDiameterLine(pos, db_.northAmericaDiameters, INCH_IN_MM,
                          "the North America diameter line has 1000 or more characters")) {
        return false;
    }

    // The column headings line is skipped unread.
    pos = nextLine(text_, nextLine(text_, pos));
    while (pos < text_.end) {
        readPackedLine(text_, pos, packed_);
        // An over-long line or the first empty line ends the table.
        if (packed_.length >= PACKED_LINE_LIMIT || packed_.length == 0) {
            break;
        }
        if (!parseRecord(pos, packed_)) {
            return false;
        }
        pos = nextLine(text_, pos);
    }
    return true;
}

} // namespace

bool ParseDatabase(const DataFileText& text, RefrigerantDatabase& db, LoadFailure* failure) {
    if (failure != nullptr) {
        *failure = LoadFailure{};
    }
    const Text view = makeText(text);
    Parser parser(view, db, failure);
    return parser.run();
}
