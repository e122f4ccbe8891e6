// Fuzzes the number texts on any double: fractional inches, the length,
// diameter and flow texts, the flow line, the temperature range texts of the
// input check, and the way entered values go to and come back from the
// settings store. Doubles are taken bit for bit from the input, so NaNs,
// infinities, subnormals, huge and negative values all occur.
#include "FuzzCheck.h"

#include "database/RefrigerantDatabase.h"
#include "selection/InputValidation.h"
#include "selection/SelectionResult.h"
#include "settings/StoredInputs.h"
#include "ui/controls/rules/NumericEntryText.h"
#include "ui/main/rules/FlowLineText.h"
#include "units/Units.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The longest text a double can give in any of these formats: 309 whole
// digits, a sign, decimals and a label.
constexpr std::size_t LONGEST_TEXT = 400;

double anyDouble(FuzzedDataProvider& input) {
    const std::uint64_t bits = input.ConsumeIntegral<std::uint64_t>();
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// FormatFractionalInches: "nan", "inf", "-inf", or an optional minus, whole
// inches, and either a blank alone or a blank (left out below one inch)
// and an odd number of eighths, quarters or halves. The text stands for a
// value one eighth or less above the magnitude.
void checkFractionalInches(double inches) {
    const std::string text = FormatFractionalInches(inches);
    FUZZ_CHECK(!text.empty() && text.size() < LONGEST_TEXT);
    if (std::isnan(inches)) {
        FUZZ_CHECK(text == "nan");
        return;
    }
    if (std::isinf(inches)) {
        FUZZ_CHECK(text == (inches > 0 ? "inf" : "-inf"));
        return;
    }
    const bool negative = text[0] == '-';
    FUZZ_CHECK(negative == (inches < 0));
    const std::string magnitudeText = text.substr(negative ? 1 : 0);
    // With a fraction the text ends in "k/d"; before it stand the whole
    // inches and a blank, or nothing below one inch.
    const bool hasFraction = magnitudeText.find('/') != std::string::npos;
    const std::string wholeText =
        hasFraction ? magnitudeText.substr(0, magnitudeText.size() - 3) : magnitudeText;
    double shown = 0;
    if (!wholeText.empty()) {
        FUZZ_CHECK(wholeText.size() >= 2 && wholeText.back() == ' ');
        for (std::size_t i = 0; i + 1 < wholeText.size(); ++i) {
            FUZZ_CHECK(wholeText[i] >= '0' && wholeText[i] <= '9');
        }
        FUZZ_CHECK(wholeText[0] != '0'); // no "0 " in front of a fraction
        shown = std::strtod(wholeText.c_str(), nullptr);
    }
    if (hasFraction) {
        // numerator/denominator: odd numerator over 2, 4 or 8
        const std::size_t pos = magnitudeText.size() - 3;
        FUZZ_CHECK(magnitudeText.size() >= 3 && magnitudeText[pos + 1] == '/');
        const int numerator = magnitudeText[pos] - '0';
        const int denominator = magnitudeText[pos + 2] - '0';
        FUZZ_CHECK(denominator == 2 || denominator == 4 || denominator == 8);
        FUZZ_CHECK(numerator >= 1 && numerator < denominator && numerator % 2 == 1);
        shown += static_cast<double>(numerator) / denominator;
    } else {
        FUZZ_CHECK(!wholeText.empty()); // a whole number always ends in its blank
    }
    const double magnitude = std::fabs(inches);
    if (magnitude < 1e12) {
        // Exact enough here to check the eighth above.
        const double slack = 1e-9 + magnitude * 1e-15;
        FUZZ_CHECK(shown > magnitude - slack && shown <= magnitude + 0.125 + slack);
    }
}

UnitSettings unitsFrom(FuzzedDataProvider& input) {
    static const std::int32_t flags[] = {0, 1, 2, -1, INT32_MIN, INT32_MAX};
    auto flag = [&input]() {
        return flags[input.ConsumeIntegralInRange<int>(0, sizeof flags / sizeof flags[0] - 1)];
    };
    UnitSettings units;
    units.energyUnit = flag();
    units.temperatureUnit = flag();
    units.pressureUnit = flag();
    units.diameterUnit = flag();
    units.lengthUnit = flag();
    units.flowUnit = flag();
    units.diameterList = flag();
    return units;
}

void checkDisplayTexts(const UnitSettings& units, double value) {
    const std::string length = formatLength(units, value);
    FUZZ_CHECK(length.size() < LONGEST_TEXT);
    FUZZ_CHECK(endsWith(length, std::string(" ") + UnitLabel(units, UNIT_LENGTH)));
    const std::string diameter = formatDiameter(units, value);
    FUZZ_CHECK(diameter.size() < LONGEST_TEXT);
    FUZZ_CHECK(endsWith(diameter, std::string(" ") + UnitLabel(units, UNIT_DIAMETER)));
    const std::string flow = formatFlowNumber(units, value);
    FUZZ_CHECK(!flow.empty() && flow.size() < LONGEST_TEXT);
    const std::string line = flowLineText(units, value);
    FUZZ_CHECK(line.compare(0, 11, "Flow Rate: ") == 0 && line.size() < 2 * LONGEST_TEXT);
    FUZZ_CHECK(!formatPressureDrop(units).empty());
}

// The range texts of the input check, for ranges of any doubles.
void checkRangeTexts(FuzzedDataProvider& input, const UnitSettings& units) {
    RefrigerantRecord record;
    record.evapMin = anyDouble(input);
    record.evapMax = anyDouble(input);
    record.condMin = anyDouble(input);
    record.condMax = anyDouble(input);
    record.returnGasMin = anyDouble(input);
    record.returnGasMax = anyDouble(input);
    SelectionResult result;
    const bool valid = validateInputs(anyDouble(input), anyDouble(input), anyDouble(input),
                                      anyDouble(input), record, units, result);
    FUZZ_CHECK(valid == (result.message.empty()));
    if (!valid) {
        FUZZ_CHECK(!result.rangeText.empty() && result.rangeText.size() < 2 * LONGEST_TEXT);
        if (result.heatLoadValid) {
            // "%0.1f%s to %0.1f%s": the temperature label twice.
            const std::string label = UnitLabel(units, UNIT_TEMPERATURE);
            const std::size_t first = result.rangeText.find(label + " to ");
            FUZZ_CHECK(first != std::string::npos);
            FUZZ_CHECK(endsWith(result.rangeText, label));
        }
    } else {
        FUZZ_CHECK(result.rangeText.empty());
    }
}

// A value on its way to the store and back: hundredths held within 32 bits,
// NaN as 0; and whatever the store holds comes back as a value the entry
// field shows as valid text.
void checkStoredValues(double value, std::int32_t stored, int refrigerantCount) {
    const std::int32_t hundredths = storedHundredths(value);
    if (std::isnan(value)) {
        FUZZ_CHECK(hundredths == 0);
    } else if (std::fabs(value) < 2.1e7) {
        // Rounded to the field's thousandths first, then to hundredths.
        FUZZ_CHECK(std::fabs(hundredths - value * 100.0) <= 0.55 + 1e-6);
    } else if (std::fabs(value) > 2.2e7) {
        FUZZ_CHECK(hundredths == (value > 0 ? INT32_MAX : INT32_MIN));
    }

    const double restored = fromHundredths(stored);
    FUZZ_CHECK(std::isfinite(restored));
    const NumericFieldFormat format;
    const std::string text = numericValidText(numericValueText(restored, true, format), format);
    const double shown = numericTextValue(text, format);
    FUZZ_CHECK(std::isfinite(shown));
    // 32-bit hundredths always fit the field's nine whole digits.
    FUZZ_CHECK(std::fabs(shown - restored) <= 0.0050001);

    const int index = clampRefrigerantIndex(stored, refrigerantCount);
    FUZZ_CHECK(index >= 0);
    FUZZ_CHECK(refrigerantCount <= 0 ? index == 0 : index < refrigerantCount);
    if (stored >= 0 && stored < refrigerantCount) {
        FUZZ_CHECK(index == stored);
    }
}

// SetValue's text of any double, cut to the field's form, reads back finite.
void checkValueText(double value) {
    const NumericFieldFormat format;
    for (const bool trim : {true, false}) {
        const std::string text = numericValueText(value, trim, format);
        FUZZ_CHECK(text.size() < LONGEST_TEXT);
        const std::string valid = numericValidText(text, format);
        FUZZ_CHECK(numericValidText(valid, format) == valid);
        const double shown = numericTextValue(valid, format);
        FUZZ_CHECK(std::isfinite(shown) && std::fabs(shown) < 1e9);
        if (std::isfinite(value) && std::fabs(value) < 999999999.0) {
            FUZZ_CHECK(std::fabs(shown - value) <= 0.0010000001 + std::fabs(value) * 1e-15);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const double value = anyDouble(input);
    checkFractionalInches(value);
    checkFractionalInches(value * 39.37);
    const UnitSettings units = unitsFrom(input);
    checkDisplayTexts(units, value);
    checkValueText(value);
    checkStoredValues(value, input.ConsumeIntegral<std::int32_t>(),
                      input.ConsumeIntegralInRange<int>(-1, MAX_REFRIGERANTS));
    checkRangeTexts(input, units);
    return 0;
}
