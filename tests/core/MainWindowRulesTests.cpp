#include "resources/ResourceIds.h"
#include "settings/SettingsNames.h"
#include "settings/StoredInputs.h"
#include "settings/WindowPlacement.h"
#include "ui/main/rules/InputUnitConversion.h"
#include "ui/main/rules/MainLayout.h"
#include "ui/main/rules/PanelTexts.h"
#include "ui/main/rules/ResultListRows.h"
#include "tests/support/MemorySettingsStore.h"
#include "ui/main/rules/TrackSize.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// The refrigeration picture's size in its own pixels.
constexpr PixelSize kPicture{1401, 1926};

PixelRect rectOf(const MainLayout& layout, int controlId) {
    for (const ControlPlacement& placement : layout.controls) {
        if (placement.controlId == controlId) {
            return placement.rect;
        }
    }
    ADD_FAILURE() << "no rectangle for control " << controlId;
    return {};
}

} // namespace

TEST(MainLayout, RightInsetSteps) {
    EXPECT_EQ(rightInset(699), 0);
    EXPECT_EQ(rightInset(700), 46);
    EXPECT_EQ(rightInset(1500), 100);
    EXPECT_EQ(rightInset(0), 0);
}

TEST(MainLayout, ControlsFollowTheEdges) {
    const MainLayout layout = computeMainLayout(784, 601, kPicture);
    EXPECT_EQ(layout.rightInset, 52);
    EXPECT_EQ(layout.fieldColumn, 784 - 110 - 52);
    EXPECT_EQ(layout.panelLeft, 784 - 330 - 52);

    const PixelRect selector = rectOf(layout, IDC_MAIN_REFRIGERANT);
    EXPECT_EQ(selector.left, 622);
    EXPECT_EQ(selector.top, 100);
    EXPECT_EQ(selector.width(), 80);
    EXPECT_EQ(rectOf(layout, IDC_MAIN_RETURN_GAS_TEMP).top, 200);
    // The hidden fields lie 500 pixels right of the column, beyond the client.
    EXPECT_EQ(rectOf(layout, IDC_MAIN_AMBIENT_TEMP).left, 1122);
    EXPECT_EQ(rectOf(layout, IDC_MAIN_AMBIENT_TEMP).top, 225);
    EXPECT_GT(rectOf(layout, IDC_MAIN_UNUSED_1000).left, 784);

    const PixelRect settings = rectOf(layout, IDC_MAIN_SETTINGS);
    EXPECT_EQ(settings.left, 784 - 95);
    EXPECT_EQ(settings.top, 601 - 35);
    EXPECT_EQ(rectOf(layout, IDC_MAIN_PRINT).left, 784 - 185);
    EXPECT_EQ(rectOf(layout, IDC_MAIN_HELP).left, 784 - 275);
    EXPECT_EQ(rectOf(layout, IDC_MAIN_HOMEPAGE).left, 10);
    EXPECT_EQ(rectOf(layout, IDC_MAIN_HOMEPAGE).top, 601 - 35);

    // The list is 308 wide whatever the width.
    for (int width : {685, 699, 700, 1000, 1919}) {
        const PixelRect list = rectOf(computeMainLayout(width, 600, kPicture), IDC_MAIN_RESULTS);
        EXPECT_EQ(list.width(), 308) << width;
        EXPECT_EQ(list.height(), 201);
        EXPECT_EQ(list.left, width - 330 - rightInset(width) + 6);
    }
}

// The painted page of a 784 x 601 client (R = 52, P = 402): every position
// at its fixed offset from an edge.
TEST(MainLayout, PageGeometryFollowsTheEdges) {
    const PageGeometry page = computeMainLayout(784, 601, kPicture).page;
    EXPECT_EQ(page.rightInset, 52);
    EXPECT_EQ(page.page.right, 784);
    EXPECT_EQ(page.page.bottom, 601);
    EXPECT_EQ(page.headerBand.top, 16);
    EXPECT_EQ(page.headerBand.right, 784 - 8);
    EXPECT_EQ(page.headerBand.bottom, 67);
    EXPECT_EQ(page.logo.x, 784 - 8 - 99);
    EXPECT_EQ(page.logo.y, 3);
    // Both outlines of both panels.
    EXPECT_EQ(page.inputPanel.outer.left, 402);
    EXPECT_EQ(page.inputPanel.outer.top, 94);
    EXPECT_EQ(page.inputPanel.outer.right, 784 - 10 - 52);
    EXPECT_EQ(page.inputPanel.outer.bottom, 225);
    EXPECT_EQ(page.inputPanel.inner.left, 401);
    EXPECT_EQ(page.inputPanel.inner.top, 95);
    EXPECT_EQ(page.inputPanel.inner.right, 784 - 10 - 52 + 1);
    EXPECT_EQ(page.inputPanel.inner.bottom, 226);
    EXPECT_EQ(page.recommendationPanel.outer.top, 275);
    EXPECT_EQ(page.recommendationPanel.outer.bottom, 502);
    EXPECT_EQ(page.recommendationPanel.inner.bottom, 503);
    EXPECT_EQ(page.inputTitle.x, 402);
    EXPECT_EQ(page.inputTitle.y, 74);
    EXPECT_EQ(page.recommendationTitle.y, 255);
    EXPECT_EQ(page.flowLine.left, 408);
    EXPECT_EQ(page.flowLine.top, 272);
    EXPECT_EQ(page.flowLine.right, 784 - 30 - 52);
    EXPECT_EQ(page.flowLine.bottom, 293);
    EXPECT_EQ(page.hint.x, 408);
    EXPECT_EQ(page.hint.y, 505);
    EXPECT_EQ(page.captionColumn, 784 - 290 - 52);
    EXPECT_EQ(page.unitColumn, 784 - 50 - 52);
    EXPECT_EQ(page.captionRows[0], 100);
    EXPECT_EQ(page.captionRows[4], 200);
    EXPECT_EQ(page.captionMarkers[0].x, 784 - 310 - 52);
    EXPECT_EQ(page.captionMarkers[3].y, 210);
    // The picture: 90 % of the 531 pixels below its top, markers at its scale.
    EXPECT_DOUBLE_EQ(page.picture.scale, 0.9 * 531.0 / 1926.0);
    EXPECT_EQ(page.picture.origin.x, 15);
    EXPECT_EQ(page.picture.origin.y, 70);
    EXPECT_EQ(page.picture.size.height, static_cast<int>(1926 * page.picture.scale));
    EXPECT_EQ(page.pictureMarkers[3].x, static_cast<int>(1020 * page.picture.scale + 15.0));
    EXPECT_EQ(page.pictureMarkers[3].y, static_cast<int>(1700 * page.picture.scale + 70.0));
}

// "Version" and "Database" start 20 pixels after the product name; the values
// 50 pixels after that, unless the wider label leaves less than 6 pixels.
TEST(MainLayout, HeaderValuesClearTheirLabels) {
    EXPECT_EQ(headerLabelColumn(100), 120);
    EXPECT_EQ(headerValueColumn(100, 40, 44), 170);
    EXPECT_EQ(headerValueColumn(100, 40, 45), 120 + 45 + 6);
    EXPECT_EQ(headerValueColumn(100, 52, 45), 120 + 52 + 6);
}

TEST(WindowPlacement, StoredPlacementFitsTheScreen) {
    // A width beyond the screen: left edge 10, 20 pixels less than the metric.
    WindowPlacement placement = fitStoredPlacement({300, 200, 5000, 640}, 1920, 1000);
    EXPECT_EQ(placement.left, 10);
    EXPECT_EQ(placement.width, 1900);
    EXPECT_EQ(placement.top, 200);
    EXPECT_EQ(placement.height, 640);
    // The height alike, independently of the width.
    placement = fitStoredPlacement({300, 200, 800, 1200}, 1920, 1000);
    EXPECT_EQ(placement.left, 300);
    EXPECT_EQ(placement.top, 10);
    EXPECT_EQ(placement.height, 980);
    // A position off the screen stays when the size fits; so does a size
    // below the dragging minimum, and a width equal to the metric.
    placement = fitStoredPlacement({-3000, 5000, 400, 300}, 1920, 1000);
    EXPECT_EQ(placement.left, -3000);
    EXPECT_EQ(placement.top, 5000);
    EXPECT_EQ(placement.width, 400);
    EXPECT_EQ(placement.height, 300);
    EXPECT_EQ(fitStoredPlacement({0, 0, 1920, 1000}, 1920, 1000).width, 1920);
}

// What the window writes comes back as it was, in the store's order, with
// the frame added around the client area.
TEST(SettingsGroups, InputsAndPlacementGoThroughTheStore) {
    MemorySettingsStore store;
    SelectionInputs values;
    values.heatLoad = 375.336;
    values.evapTemp = -25.25;
    values.condTemp = 55;
    values.returnGasTemp = 32.5;
    values.ambientTemp = -0.004;
    writeInputs(store, 7, values);
    const char* const order[] = {VALUE_REFRIGERANT, VALUE_HEAT_LOAD, VALUE_EVAP_TEMP,
                                 VALUE_COND_TEMP, VALUE_RETURN_GAS_TEMP, VALUE_AMBIENT_TEMP};
    ASSERT_EQ(store.writes().size(), std::size(order));
    for (std::size_t i = 0; i < std::size(order); ++i) {
        EXPECT_EQ(store.writes()[i].section, SECTION_SETTINGS);
        EXPECT_EQ(store.writes()[i].name, order[i]);
    }
    EXPECT_EQ(readRefrigerant(store, 5), 4);
    const SelectionInputs back = readEnteredValues(store);
    EXPECT_DOUBLE_EQ(back.heatLoad, 375.34);
    EXPECT_DOUBLE_EQ(back.evapTemp, -25.25);
    EXPECT_DOUBLE_EQ(back.returnGasTemp, 32.5);
    EXPECT_DOUBLE_EQ(back.ambientTemp, 0);

    const FrameInsets frame{4, 23, 5, 6};
    writeWindowSize(store, 792, 611, frame);
    writeWindowPosition(store, 104, 73, frame);
    const WindowPlacement placement = readPlacement(store);
    EXPECT_EQ(placement.width, 801);
    EXPECT_EQ(placement.height, 640);
    EXPECT_EQ(placement.left, 100);
    EXPECT_EQ(placement.top, 50);
    EXPECT_EQ(*store.find(SECTION_LOCATION, VALUE_X_SIZE), 801);

    MemorySettingsStore empty; // every value missing: the defaults
    EXPECT_DOUBLE_EQ(readEnteredValues(empty).heatLoad, 110);
    EXPECT_EQ(readPlacement(empty).width, 800);
}

TEST(WindowPlacement, MinimumTrackSize) {
    PixelRect rect = holdMinimumTrackSize({100, 50, 600, 400});
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 50);
    EXPECT_EQ(rect.right, 785);
    EXPECT_EQ(rect.bottom, 650);
    rect = holdMinimumTrackSize({100, 50, 900, 700});
    EXPECT_EQ(rect.right, 900);
    EXPECT_EQ(rect.bottom, 700);
    // An inverted rectangle is held too, without overflowing.
    rect = holdMinimumTrackSize(
        {std::numeric_limits<int>::max() - 10, 0, std::numeric_limits<int>::min(), 0});
    EXPECT_EQ(static_cast<long long>(rect.right) - rect.left, 685);
}

TEST(StoredInputs, HundredthsAreRoundedHalfAwayFromZero) {
    EXPECT_EQ(storedHundredths(110.5), 11050);
    EXPECT_EQ(storedHundredths(-25.25), -2525);
    EXPECT_EQ(storedHundredths(110), 11000);
    EXPECT_EQ(storedHundredths(0), 0);
    // Truncation stored these one hundredth low.
    EXPECT_EQ(storedHundredths(1.15), 115);
    EXPECT_EQ(storedHundredths(-1.15), -115);
    EXPECT_EQ(storedHundredths(375.336), 37534);
    // The third decimal rounds the halves away from zero.
    EXPECT_EQ(storedHundredths(12.345), 1235);
    EXPECT_EQ(storedHundredths(-12.345), -1235);
    EXPECT_EQ(storedHundredths(12.344), 1234);
    EXPECT_EQ(storedHundredths(0.004), 0);
    EXPECT_EQ(storedHundredths(-0.004), 0);
    // What a field can hold but the store cannot is held at the 32-bit ends.
    EXPECT_EQ(storedHundredths(999999999.999), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(storedHundredths(-999999999.999), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(storedHundredths(std::numeric_limits<double>::infinity()),
              std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(storedHundredths(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(storedHundredths(21474836.47), 2147483647);

    EXPECT_DOUBLE_EQ(fromHundredths(11050), 110.5);
    EXPECT_DOUBLE_EQ(fromHundredths(-2525), -25.25);
}

TEST(StoredInputs, RefrigerantIndexIsClamped) {
    EXPECT_EQ(clampRefrigerantIndex(7, 5), 4);
    EXPECT_EQ(clampRefrigerantIndex(-3, 5), 0);
    EXPECT_EQ(clampRefrigerantIndex(2, 5), 2);
    EXPECT_EQ(clampRefrigerantIndex(4, 5), 4);
    EXPECT_EQ(clampRefrigerantIndex(std::numeric_limits<std::int32_t>::max(), 50), 49);
    EXPECT_EQ(clampRefrigerantIndex(std::numeric_limits<std::int32_t>::min(), 50), 0);
    EXPECT_EQ(clampRefrigerantIndex(3, 0), 0);
}

TEST(InputUnitConversion, OnlyChangedUnitsConvert) {
    EXPECT_NEAR(convertHeatLoad(110, 1, 0), 375.3355793, 1e-7);
    EXPECT_NEAR(convertHeatLoad(375.336, 0, 1), 110.0001, 1e-4);
    EXPECT_EQ(convertHeatLoad(110, 1, 1), 110);
    // Values other than 0 and 1 mean the same unit as 1.
    EXPECT_EQ(convertHeatLoad(110, 5, 1), 110);
    EXPECT_DOUBLE_EQ(convertTemperature(-25, 0, 1), -13);
    EXPECT_DOUBLE_EQ(convertTemperature(55, 0, 1), 131);
    EXPECT_DOUBLE_EQ(convertTemperature(32, 0, 1), 89.6);
    EXPECT_DOUBLE_EQ(convertTemperature(25, 0, 1), 77);
    EXPECT_NEAR(convertTemperature(89.6, 1, 0), 32, 1e-12);
    EXPECT_EQ(convertTemperature(-25, 0, 0), -25);
    EXPECT_EQ(convertTemperature(-25, 1, -1), -25);
}

// After the settings dialog: only the values whose unit changed are written
// back, the ambient temperature with the other three.
TEST(InputUnitConversion, EnteredValuesToWriteBack) {
    const SelectionInputs entered{110, -25, 55, 32, 25};
    UnitSettings before; // W, ºC
    UnitSettings after = before;
    after.energyUnit = 0;
    ConvertedInputs converted = convertEnteredInputs(entered, before, after);
    EXPECT_NEAR(converted.heatLoad.value_or(0), 375.3355793, 1e-7);
    EXPECT_FALSE(converted.evapTemp || converted.ambientTemp);

    after = before;
    after.temperatureUnit = 1;
    converted = convertEnteredInputs(entered, before, after);
    EXPECT_FALSE(converted.heatLoad);
    EXPECT_DOUBLE_EQ(converted.evapTemp.value_or(0), -13);
    EXPECT_DOUBLE_EQ(converted.condTemp.value_or(0), 131);
    EXPECT_DOUBLE_EQ(converted.returnGasTemp.value_or(0), 89.6);
    EXPECT_DOUBLE_EQ(converted.ambientTemp.value_or(0), 77);

    before.energyUnit = 5; // the same unit as the 1 the dialog writes back
    after = before;
    after.energyUnit = 1;
    converted = convertEnteredInputs(entered, before, after);
    EXPECT_FALSE(converted.heatLoad || converted.evapTemp || converted.condTemp ||
                 converted.returnGasTemp || converted.ambientTemp);
}

TEST(ResultListRows, NineRowsOrTheMessage) {
    SelectionResult result;
    for (int i = 0; i < RESULT_ROWS; ++i) {
        result.rowTexts[i] = {"L" + std::to_string(i), "D" + std::to_string(i)};
    }
    result.selectedRow = 6;
    result.message = "Heat load invalid";
    result.rangeText = "1 to 10000W";

    ResultListContent content = resultListContentFor(result, true);
    ASSERT_EQ(content.rows.size(), 9u);
    EXPECT_EQ(content.rows[0].length, "L0");
    EXPECT_EQ(content.rows[8].diameter, "D8");
    EXPECT_EQ(content.selectedRow, 6);

    content = resultListContentFor(result, false);
    ASSERT_EQ(content.rows.size(), 1u);
    EXPECT_EQ(content.rows[0].length, "Heat load invalid");
    EXPECT_EQ(content.rows[0].diameter, "1 to 10000W");
    EXPECT_EQ(content.selectedRow, -1);
}

// \260 is the degree sign (0xB0), \272 the ordinal indicator (0xBA).
TEST(PanelTexts, LabelsCarryAUniqueAccessKeyTheUnitAndTheDegreeSign) {
    UnitSettings units; // W and degrees Celsius
    const char* const metric[CAPTION_ROWS] = {
        "&Refrigerant", "Heat &load of the system (W)", "&Evaporating temperature (\260C)",
        "&Condensing temperature (\260C)", "Return &gas temperature (\260C)"};
    std::string keys = {'h', 'p', 's', static_cast<char>(std::tolower(RECOMMENDATION_ACCESS_KEY))};
    for (int i = 0; i < CAPTION_ROWS; ++i) {
        EXPECT_EQ(inputRowLabelText(INPUT_ROW_TEXTS[i], units), metric[i]);
        keys += static_cast<char>(std::tolower(INPUT_ROW_TEXTS[i].accessKey));
    }
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(std::unique(keys.begin(), keys.end()), keys.end()) << keys;
    units.energyUnit = 0;
    units.temperatureUnit = 1;
    EXPECT_EQ(inputRowLabelText(INPUT_ROW_TEXTS[1], units), "Heat &load of the system (Btu/hr)");
    EXPECT_EQ(inputRowLabelText(INPUT_ROW_TEXTS[4], units), "Return &gas temperature (\260F)");
    // A text's own "&" is doubled; a letter the caption lacks gives no key.
    EXPECT_EQ(controlLabelText("R&D", 'D', " "), "R&&&D");
    EXPECT_EQ(controlLabelText("Tube", 'x', "m"), "Tube (m)");

    SelectionResult result;
    result.flowRate = 5.0;
    const std::string hint = ". Optimal selection is highlighted in yellow.";
    EXPECT_EQ(recommendationLabelText(result, true, UnitSettings{}),
              "Capillary &Tube Recommendation. Flow Rate: 5.0 l/min (N2 at delta p 10 bar)" + hint);
    result.message = "Evap temp invalid";
    result.rangeText = "-40.0\272C to -5.0\272C";
    EXPECT_EQ(recommendationLabelText(result, false, UnitSettings{}),
              "Capillary &Tube Recommendation. Evap temp invalid: -40.0\260C to -5.0\260C" + hint);
}
