#include "resources/ResourceIds.h"
#include "settings/SettingsNames.h"
#include "settings/StoredInputs.h"
#include "settings/UnitSettingsStore.h"
#include "settings/WindowPlacement.h"
#include "tests/support/MemorySettingsStore.h"
#include "ui/main/rules/InputUnitConversion.h"
#include "ui/main/rules/MainLayout.h"
#include "ui/main/rules/PanelTexts.h"
#include "ui/main/rules/ResultListRows.h"
#include "ui/main/rules/TrackSize.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

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

// Between two window sizes every control keeps its distance to its edge: the
// inputs and the list follow the right edge less the inset, the buttons the
// right and bottom edges, the link the bottom edge; none changes its size.
TEST(MainLayout, ControlsFollowTheirEdges) {
    const MainLayout small = computeMainLayout(784, 601, kPicture);
    const MainLayout large = computeMainLayout(1000, 760, kPicture);
    EXPECT_EQ(small.rightInset, rightInset(784));
    EXPECT_EQ(large.page.rightInset, large.rightInset);
    const int insetMove = (1000 - large.rightInset) - (784 - small.rightInset);
    for (const ControlPlacement& placement : small.controls) {
        const int id = placement.controlId;
        const PixelRect before = placement.rect;
        const PixelRect after = rectOf(large, id);
        const bool bottomRow = id == IDC_MAIN_SETTINGS || id == IDC_MAIN_PRINT ||
                               id == IDC_MAIN_HELP || id == IDC_MAIN_HOMEPAGE;
        const int move = id == IDC_MAIN_HOMEPAGE ? 0 : bottomRow ? 1000 - 784 : insetMove;
        EXPECT_EQ(after.left - before.left, move) << id;
        EXPECT_EQ(after.top - before.top, bottomRow ? 760 - 601 : 0) << id;
        EXPECT_EQ(after.width(), before.width()) << id;
        EXPECT_EQ(after.height(), before.height()) << id;
    }
    // The list is 308 wide whatever the width.
    for (int width : {685, 699, 700, 1000, 1919}) {
        EXPECT_EQ(rectOf(computeMainLayout(width, 600, kPicture), IDC_MAIN_RESULTS).width(), 308);
    }
}

// What lines up on the screen: each input beside its caption, with its
// marker on its middle; the four fields of one size; the input column and
// the flow line ending together; the list, the flow line and the hint on one
// left edge, the list 6 pixels inside its panel;
// each panel's title on its frame and the inner outline one pixel further
// out; the logo ending with the yellow band; the buttons and the link in one
// row, the buttons alike and evenly spaced; everything shown inside the
// client, the hidden fields beyond it.
TEST(MainLayout, ControlsAndPageLineUp) {
    for (const auto& [W, H] : {std::pair<int, int>{784, 601}, {1000, 760}}) {
        SCOPED_TRACE(std::to_string(W) + " x " + std::to_string(H));
        const MainLayout layout = computeMainLayout(W, H, kPicture);
        const PageGeometry& page = layout.page;
        const int inputs[] = {IDC_MAIN_REFRIGERANT, IDC_MAIN_HEAT_LOAD, IDC_MAIN_EVAP_TEMP,
                              IDC_MAIN_COND_TEMP, IDC_MAIN_RETURN_GAS_TEMP};
        for (int row = 0; row < CAPTION_ROWS; ++row) {
            const PixelRect input = rectOf(layout, inputs[row]);
            EXPECT_EQ(input.top, page.captionRows[row]) << row;
            EXPECT_EQ(input.left, layout.fieldColumn);
            EXPECT_LT(page.captionColumn, layout.fieldColumn);
            if (row > 0) {
                EXPECT_EQ(page.captionMarkers[row - 1].y, input.top + input.height() / 2) << row;
                EXPECT_LT(page.captionMarkers[row - 1].x + MARKER_DIAMETER / 2, page.captionColumn);
                EXPECT_EQ(input.width(), rectOf(layout, IDC_MAIN_HEAT_LOAD).width()) << row;
                EXPECT_EQ(input.height(), rectOf(layout, IDC_MAIN_HEAT_LOAD).height()) << row;
                EXPECT_LT(input.left + input.width(), page.unitColumn) << row;
            }
        }
        // The input column and the flow line end on one line.
        const PixelRect selector = rectOf(layout, IDC_MAIN_REFRIGERANT);
        EXPECT_EQ(selector.left + selector.width(), page.flowLine.right);
        const PixelRect list = rectOf(layout, IDC_MAIN_RESULTS);
        const PixelRect panel = page.recommendationPanel.outer;
        EXPECT_EQ(page.flowLine.left, list.left);
        EXPECT_EQ(page.hint.x, list.left);
        EXPECT_EQ(list.left - panel.left, 6);
        EXPECT_EQ(panel.right - (list.left + list.width()), 6);
        EXPECT_EQ(panel.bottom - (list.top + list.height()), 6);
        EXPECT_EQ(page.inputPanel.outer.left, panel.left);
        EXPECT_EQ(page.inputPanel.outer.right, panel.right);
        EXPECT_EQ(layout.panelLeft, panel.left);
        for (const auto& [title, frame] :
             {std::pair<PixelPoint, PanelFrame>{page.inputTitle, page.inputPanel},
              {page.recommendationTitle, page.recommendationPanel}}) {
            EXPECT_EQ(title.x, frame.outer.left);
            EXPECT_EQ(title.y + PANEL_TITLE_HEIGHT, frame.outer.top);
            EXPECT_EQ(frame.inner.left, frame.outer.left - 1);
            EXPECT_EQ(frame.inner.top, frame.outer.top + 1);
            EXPECT_EQ(frame.inner.right, frame.outer.right + 1);
            EXPECT_EQ(frame.inner.bottom, frame.outer.bottom + 1);
        }
        EXPECT_EQ(page.logo.x + 99, page.headerBand.right); // the logo is 99 pixels wide
        const PixelRect help = rectOf(layout, IDC_MAIN_HELP);
        const PixelRect print = rectOf(layout, IDC_MAIN_PRINT);
        const PixelRect settings = rectOf(layout, IDC_MAIN_SETTINGS);
        EXPECT_EQ(rectOf(layout, IDC_MAIN_HOMEPAGE).top, help.top);
        for (const PixelRect& button : {print, settings}) {
            EXPECT_EQ(button.top, help.top);
            EXPECT_EQ(button.width(), help.width());
            EXPECT_EQ(button.height(), help.height());
        }
        EXPECT_EQ(print.left - (help.left + help.width()),
                  settings.left - (print.left + print.width()));
        // The picture lies left of the panels, inside the client, its markers
        // on its points.
        EXPECT_GT(page.picture.scale, 0.0);
        EXPECT_LT(page.picture.origin.x + page.picture.size.width, page.inputPanel.inner.left);
        EXPECT_LE(page.picture.origin.y + page.picture.size.height, H);
        for (int i = 0; i < PICTURE_POINT_COUNT; ++i) {
            EXPECT_EQ(page.pictureMarkers[i].x,
                      page.picture.origin.x +
                          static_cast<int>(PICTURE_POINTS[i].x * page.picture.scale));
        }
        for (const ControlPlacement& control : layout.controls) {
            const bool hidden = control.controlId == IDC_MAIN_AMBIENT_TEMP ||
                                control.controlId == IDC_MAIN_UNUSED_1000 ||
                                control.controlId == IDC_MAIN_UNUSED_1007;
            EXPECT_EQ(control.rect.left >= W, hidden) << control.controlId;
            EXPECT_LE(control.rect.bottom, H) << control.controlId;
            EXPECT_TRUE(hidden || control.rect.right <= W) << control.controlId;
        }
        for (const int right : {page.headerBand.right, panel.right, page.flowLine.right,
                                page.unitColumn, page.captionColumn}) {
            EXPECT_LT(right, W);
        }
    }
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
    WindowPlacement placement = fitStoredPlacement({300, 200, 5000, 640}, {0, 0, 1920, 1000});
    EXPECT_EQ(placement.left, 10);
    EXPECT_EQ(placement.width, 1900);
    EXPECT_EQ(placement.top, 200);
    EXPECT_EQ(placement.height, 640);
    // The height alike, independently of the width.
    placement = fitStoredPlacement({300, 200, 800, 1200}, {0, 0, 1920, 1000});
    EXPECT_EQ(placement.left, 300);
    EXPECT_EQ(placement.top, 10);
    EXPECT_EQ(placement.height, 980);
    // A position off the screen stays when the size fits; so does a size
    // below the dragging minimum, and a width equal to the metric.
    placement = fitStoredPlacement({-3000, 5000, 400, 300}, {0, 0, 1920, 1000});
    EXPECT_EQ(placement.left, -3000);
    EXPECT_EQ(placement.top, 5000);
    EXPECT_EQ(placement.width, 400);
    EXPECT_EQ(placement.height, 300);
    EXPECT_EQ(fitStoredPlacement({0, 0, 1920, 1000}, {0, 0, 1920, 1000}).width, 1920);
    EXPECT_EQ(fitStoredPlacement({0, 0, 1920, 1000}, {0, 0, 1920, 1000}).height, 1000);
    // A monitor whose work area starts elsewhere, at 144 DPI: its own edges
    // and the margin scaled.
    placement = fitStoredPlacement({2000, 100, 3000, 2400}, {1920, 40, 2560, 1400}, 144);
    EXPECT_EQ(placement.left, 1935);
    EXPECT_EQ(placement.width, 2530);
    EXPECT_EQ(placement.top, 55);
    EXPECT_EQ(placement.height, 1370);
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
    values.ambientTemp = -0.006;
    writeInputs(store, 7, values);
    const char* const order[] = {VALUE_REFRIGERANT, VALUE_HEAT_LOAD,       VALUE_EVAP_TEMP,
                                 VALUE_COND_TEMP,   VALUE_RETURN_GAS_TEMP, VALUE_AMBIENT_TEMP};
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
    EXPECT_DOUBLE_EQ(back.ambientTemp, -0.01);

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

// The seven unit values in the store's order, under their exact names with
// their trailing blanks, and back as written; missing ones are the defaults.
TEST(SettingsGroups, UnitsGoThroughTheStoreInOrder) {
    const auto fields = [](const UnitSettings& u) {
        return std::vector<std::int32_t>{u.energyUnit,   u.temperatureUnit, u.pressureUnit,
                                         u.diameterUnit, u.lengthUnit,      u.flowUnit,
                                         u.diameterList};
    };
    const UnitSettings units{0, 1, 2, 3, 4, 5, 6};
    MemorySettingsStore store;
    writeUnitSettings(store, units);
    const char* const order[] = {"UnitsEnergy     ", "UnitsTemperature", "UnitsPressure   ",
                                 "UnitsDiameter   ", "UnitsLength     ", "UnitsFlow       ",
                                 "DiamType        "};
    ASSERT_EQ(store.writes().size(), std::size(order));
    for (std::size_t i = 0; i < std::size(order); ++i) {
        EXPECT_EQ(store.writes()[i].section, "Settings1");
        EXPECT_EQ(store.writes()[i].name, order[i]);
        EXPECT_EQ(store.writes()[i].value, static_cast<std::int32_t>(i));
    }
    EXPECT_EQ(fields(readUnitSettings(store)), fields(units));
    MemorySettingsStore empty;
    EXPECT_EQ(fields(readUnitSettings(empty)), fields(UnitSettings{}));
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
    EXPECT_EQ(clampRefrigerantIndex(5, 5), 4);
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
    // A row the list does not have is no selection.
    for (const int row : {RESULT_ROWS, -5}) {
        result.selectedRow = row;
        EXPECT_EQ(resultListContentFor(result, true).selectedRow, -1) << row;
    }

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
