// Fuzzes the data file loader and the selection engine behind it.
//
// An input whose first byte is 0x80 or above is taken as the stored bytes of
// a data file (unscrambleData, then ParseDatabase): a scrambled file starts
// that way, since "[" is stored as 0x90. Any other input is taken as plain
// text, which the packer scrambles into a file first, so that mutations of
// readable text reach the parser's line, header and record rules; the reader
// must then give back exactly the characters the packer stored. Whatever
// loads is put through a few selection runs whose refrigerant index, unit
// settings and inputs are derived from the input bytes: indices in and out
// of range, unit flags of any 32-bit value, and values inside the
// refrigerant's ranges (so that the calculation itself runs), at their ends
// and far outside them.
#include "FuzzCheck.h"

#include "database/DataFileReader.h"
#include "database/DatabaseParser.h"
#include "database/RefrigerantDatabase.h"
#include "selection/RunSelection.h"
#include "tools/tbx/Scrambler.h"
#include "units/Units.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// A small deterministic generator seeded from the input, so that each input
// always makes the same runs.
class Generator {
public:
    explicit Generator(std::uint64_t seed) : state_(seed | 1) {}

    std::uint64_t next() {
        // xorshift64*
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1DULL;
    }
    int below(int bound) { return bound <= 0 ? 0 : static_cast<int>(next() % unsigned(bound)); }
    double unit() { return static_cast<double>(next() >> 11) / 9007199254740992.0; }
    double anyBits() {
        const std::uint64_t bits = next();
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

private:
    std::uint64_t state_;
};

// FNV-1a of the size and of the input's last 256 bytes: every mutation near
// the end, and every change of length, gives other runs.
std::uint64_t hashBytes(const std::uint8_t* data, std::size_t size) {
    std::uint64_t hash = (1469598103934665603ULL ^ size) * 1099511628211ULL;
    for (std::size_t i = size > 256 ? size - 256 : 0; i < size; ++i) {
        hash = (hash ^ data[i]) * 1099511628211ULL;
    }
    return hash;
}

std::int32_t unitFlag(Generator& random) {
    static const std::int32_t special[] = {0, 1, 0, 1, 2, -1, INT32_MIN, INT32_MAX};
    const int pick = random.below(10);
    if (pick < 8) {
        return special[pick];
    }
    return static_cast<std::int32_t>(random.next());
}

int refrigerantIndex(Generator& random, int count) {
    if (random.below(4) != 0 && count > 0) {
        return random.below(count);
    }
    static const int special[] = {-1, INT_MIN, INT_MAX, MAX_REFRIGERANTS, MAX_REFRIGERANTS - 1};
    const int pick = random.below(7);
    if (pick < 5) {
        return special[pick];
    }
    return pick == 5 ? count : count + 1;
}

// A value between the two bounds (both ends possible), or one far away.
double valueIn(Generator& random, double low, double high) {
    switch (random.below(12)) {
    case 0:
        return low;
    case 1:
        return high;
    case 2:
        return random.anyBits();
    case 3:
        return low - 1e-9;
    default:
        return low + (high - low) * random.unit();
    }
}

double heatLoadIn(Generator& random, const UnitSettings& units) {
    const double watts = valueIn(random, 1, 10000);
    return units.energyUnit == 0 ? WattsToBtuPerHour(watts) : watts;
}

double temperatureIn(Generator& random, const UnitSettings& units, double low, double high) {
    const double celsius = valueIn(random, low, high);
    return units.temperatureUnit != 0 ? CelsiusToFahrenheit(celsius) : celsius;
}

void checkTerminated(const char* store, std::size_t capacity) {
    FUZZ_CHECK(std::memchr(store, 0, capacity) != nullptr);
}

void checkDatabase(const RefrigerantDatabase& db) {
    FUZZ_CHECK(db.helpLineCount >= 0 && db.helpLineCount < MAX_HELP_LINES);
    for (const auto& line : db.helpLines) {
        checkTerminated(line, sizeof line);
    }
    checkTerminated(db.title, sizeof db.title);
    FUZZ_CHECK(std::strlen(db.title) <= static_cast<std::size_t>(MAX_HEADER_LINE));
    checkTerminated(db.databaseVersion, sizeof db.databaseVersion);
    FUZZ_CHECK(db.europeDiameters.count >= 0 && db.europeDiameters.count <= MAX_DIAMETERS);
    FUZZ_CHECK(db.northAmericaDiameters.count >= 0 &&
               db.northAmericaDiameters.count <= MAX_DIAMETERS);
    FUZZ_CHECK(db.refrigerantCount >= 0 && db.refrigerantCount <= MAX_REFRIGERANTS);
    for (int i = 0; i < db.refrigerantCount; ++i) {
        const RefrigerantRecord& record = db.refrigerants[i];
        checkTerminated(record.name, sizeof record.name);
        FUZZ_CHECK(std::strchr(record.name, ' ') == nullptr);
    }
}

// One selection run and what must hold after it, whatever the data.
void checkRun(const SelectionInputs& inputs, int index, const UnitSettings& units,
              const RefrigerantDatabase& db, SelectionResult& result) {
    const double flowBefore = result.flowRate;
    const int optimalBefore = result.optimalIndex;
    const bool succeeded = RunSelection(inputs, index, units, db, result);

    FUZZ_CHECK(succeeded == hasRecommendation(result));
    if (!succeeded) {
        FUZZ_CHECK(!result.message.empty());
        // A failed run leaves the numbers of the last successful one.
        FUZZ_CHECK(std::memcmp(&flowBefore, &result.flowRate, sizeof flowBefore) == 0);
        FUZZ_CHECK(optimalBefore == result.optimalIndex);
        return;
    }
    const DiameterList& list = activeDiameters(db, units.diameterList);
    FUZZ_CHECK(index >= 0 && index < db.refrigerantCount);
    FUZZ_CHECK(result.message.empty() && result.rangeText.empty());
    FUZZ_CHECK(std::isfinite(result.flowRate) && result.flowRate > 0);
    FUZZ_CHECK(list.count >= RESULT_ROWS);
    FUZZ_CHECK(result.firstRow >= 0 && result.firstRow + RESULT_ROWS <= list.count);
    FUZZ_CHECK(result.selectedRow >= 0 && result.selectedRow < RESULT_ROWS);
    FUZZ_CHECK(result.firstRow + result.selectedRow == result.optimalIndex);
    for (const ResultRowText& row : result.rowTexts) {
        FUZZ_CHECK(!row.length.empty() && !row.diameter.empty());
    }
}

void runSelections(const std::uint8_t* data, std::size_t size, const RefrigerantDatabase& db) {
    Generator random(hashBytes(data, size));
    SelectionResult result;
    for (int run = 0; run < 8; ++run) {
        UnitSettings units;
        units.energyUnit = unitFlag(random);
        units.temperatureUnit = unitFlag(random);
        units.pressureUnit = unitFlag(random);
        units.diameterUnit = unitFlag(random);
        units.lengthUnit = unitFlag(random);
        units.flowUnit = unitFlag(random);
        units.diameterList = unitFlag(random);

        const int index = refrigerantIndex(random, db.refrigerantCount);
        RefrigerantRecord ranges;
        if (index >= 0 && index < db.refrigerantCount) {
            ranges = db.refrigerants[index];
        } else {
            ranges.evapMin = -40, ranges.evapMax = 10;
            ranges.condMin = 20, ranges.condMax = 70;
            ranges.returnGasMin = -20, ranges.returnGasMax = 40;
        }
        SelectionInputs inputs;
        inputs.heatLoad = heatLoadIn(random, units);
        inputs.evapTemp = temperatureIn(random, units, ranges.evapMin, ranges.evapMax);
        inputs.condTemp = temperatureIn(random, units, ranges.condMin, ranges.condMax);
        inputs.returnGasTemp =
            temperatureIn(random, units, ranges.returnGasMin, ranges.returnGasMax);
        inputs.ambientTemp = random.anyBits();
        checkRun(inputs, index, units, db, result);
    }
}

DataFileText text;      // 51 kB each: kept out of the stack
RefrigerantDatabase db; // reset by every parse

void loadAndSelect(const DataFileText& loaded, const std::uint8_t* data, std::size_t size) {
    std::strcpy(db.databaseVersion, "0.0.x");
    LoadFailure failure;
    if (ParseDatabase(loaded, db, &failure)) {
        checkDatabase(db);
        runSelections(data, size, db);
    } else {
        FUZZ_CHECK(failure.reason != nullptr && failure.reason[0] != 0);
        FUZZ_CHECK(failure.line >= 0);
    }
}

// What unscrambleData promises about its result: the count, and zeros from
// the end of the text to the end of the buffer.
void checkText(int length, std::size_t storedBytes) {
    FUZZ_CHECK(length == text.length);
    FUZZ_CHECK(length >= 0 && length <= MAX_DATA_TEXT);
    FUZZ_CHECK(2 * static_cast<std::size_t>(length) <= storedBytes);
    // Eight bytes at a time: this runs over 51 kB for every input.
    std::uint64_t any = 0;
    std::size_t i = static_cast<std::size_t>(length);
    for (; i + 8 <= sizeof text.chars; i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.chars + i, sizeof word);
        any |= word;
    }
    for (; i < sizeof text.chars; ++i) {
        any |= static_cast<unsigned char>(text.chars[i]);
    }
    FUZZ_CHECK(any == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 0 && data[0] >= 0x80) {
        checkText(unscrambleData(data, size, text), size);
        loadAndSelect(text, data, size);
        return 0;
    }

    std::vector<unsigned char> plain(data, data + (size < MAX_DATA_TEXT ? size : MAX_DATA_TEXT));
    for (unsigned char& c : plain) {
        if (c == 0 || c == 0xE5) { // the two characters the format cannot hold
            c = static_cast<unsigned char>(c + 1);
        }
    }
    std::vector<unsigned char> stored;
    PackProblem problem;
    FUZZ_CHECK(scrambleText(plain.data(), plain.size(), stored, problem));
    FUZZ_CHECK(survivesTextModeRead(stored.data(), stored.size()));
    const int length = unscrambleData(stored.data(), stored.size(), text);
    checkText(length, stored.size());
    FUZZ_CHECK(length == static_cast<int>(plain.size()));
    FUZZ_CHECK(
        std::equal(plain.begin(), plain.end(), reinterpret_cast<const unsigned char*>(text.chars)));
    loadAndSelect(text, data, size);
    return 0;
}
