// A storm of random input against the running main window: keystrokes,
// editing keys, selections, pastes from the clipboard, cuts, undo, set-text,
// refrigerant changes, clicks on the result list and unit changes through
// the settings dialog, in bursts from a fixed seed. After each burst every
// entry field must hold valid text, the list must show what a selection run
// on the window's inputs gives (nine rows with the optimal one selected, or
// one message row), and the window must still answer. Then the window
// closes, and a second one started on the same store shows the last values.
#include "app/ReadAppIdentity.h"
#include "settings/SettingsNames.h"
#include "settings/StoredInputs.h"
#include "tests/gui/MainWindowTestSupport.h"
#include "ui/controls/rules/NumericEntryText.h"
#include "win32/ProgramFile.h"
#include "win32/Text1252.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace gui;

namespace {

// The storm of every test run. OLVANE_STORM_SEED and OLVANE_STORM_BURSTS
// (environment) make other and longer ones; the seed is printed so that a
// failing storm can be run again.
constexpr std::uint64_t DEFAULT_STORM_SEED = 0x4F6C76616E65ULL;
constexpr int DEFAULT_BURSTS = 48;

std::uint64_t stormSeed() {
    const char* text = std::getenv("OLVANE_STORM_SEED");
    const std::uint64_t seed =
        text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 0) : DEFAULT_STORM_SEED;
    return seed != 0 ? seed : DEFAULT_STORM_SEED; // xorshift stays at 0 for ever
}

int stormBursts() {
    const char* text = std::getenv("OLVANE_STORM_BURSTS");
    const long bursts = text != nullptr ? std::strtol(text, nullptr, 10) : 0;
    return bursts > 0 && bursts <= 100000 ? static_cast<int>(bursts) : DEFAULT_BURSTS;
}
constexpr int ACTIONS_PER_BURST = 80;
constexpr int BURSTS_PER_SETTINGS_CHANGE = 4;

// Every numeric entry field of the main window, the two hidden ones too.
constexpr int ALL_FIELDS[] = {IDC_MAIN_UNUSED_1000, IDC_MAIN_HEAT_LOAD,       IDC_MAIN_EVAP_TEMP,
                              IDC_MAIN_COND_TEMP,   IDC_MAIN_RETURN_GAS_TEMP, IDC_MAIN_UNUSED_1007,
                              IDC_MAIN_AMBIENT_TEMP};
// The five a user can reach, in the order of the stored values below.
constexpr int INPUT_FIELDS[] = {IDC_MAIN_HEAT_LOAD, IDC_MAIN_EVAP_TEMP, IDC_MAIN_COND_TEMP,
                                IDC_MAIN_RETURN_GAS_TEMP, IDC_MAIN_AMBIENT_TEMP};
const char* const STORED_INPUTS[] = {VALUE_HEAT_LOAD, VALUE_EVAP_TEMP, VALUE_COND_TEMP,
                                     VALUE_RETURN_GAS_TEMP, VALUE_AMBIENT_TEMP};

// The seven unit choices of the settings dialog: the button for 1, the
// button for 0.
constexpr int UNIT_RADIO_PAIRS[][2] = {
    {IDC_SETTINGS_ENERGY_W, IDC_SETTINGS_ENERGY_BTU},
    {IDC_SETTINGS_TEMPERATURE_F, IDC_SETTINGS_TEMPERATURE_C},
    {IDC_SETTINGS_PRESSURE_PSI, IDC_SETTINGS_PRESSURE_BAR},
    {IDC_SETTINGS_DIAMETER_INCHES, IDC_SETTINGS_DIAMETER_MM},
    {IDC_SETTINGS_LENGTH_INCHES, IDC_SETTINGS_LENGTH_METERS},
    {IDC_SETTINGS_FLOW_LPM, IDC_SETTINGS_FLOW_CFM},
};

// xorshift64*: the same storm on every platform and every run.
class StormRandom {
public:
    explicit StormRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1DULL;
    }
    int below(int bound) { return static_cast<int>(next() % static_cast<std::uint64_t>(bound)); }

private:
    std::uint64_t state_;
};

// The field's sign and point, read from the locale as the field reads them.
NumericFieldFormat fieldFormat() {
    NumericFieldFormat format;
    char buffer[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SNEGATIVESIGN, buffer, sizeof buffer) > 0 &&
        buffer[0] != 0) {
        format.negativeSign = buffer[0];
    }
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, sizeof buffer) > 0 &&
        buffer[0] != 0) {
        format.decimalPoint = buffer[0];
    }
    return format;
}

void putOnClipboard(HWND owner, const std::string& text) {
    PutOnClipboard(owner, widen1252(text));
}

// Characters a user might type: mostly digits, the sign and the point, also
// letters, other punctuation, Windows-1252 bytes, Backspace and the editing
// shortcuts (Ctrl+A, C, V, X, Z).
char stormCharacter(StormRandom& random, const NumericFieldFormat& format) {
    static const char others[] = "e+ ,;aZ\xBA\x96\xE9/";
    static const char controls[] = {'\b', '\b', 0x01, 0x03, 0x16, 0x18, 0x1A};
    const int pick = random.below(20);
    if (pick < 10) {
        return static_cast<char>('0' + random.below(10));
    }
    if (pick < 12) {
        return format.negativeSign;
    }
    if (pick < 14) {
        return format.decimalPoint;
    }
    if (pick < 16) {
        return controls[random.below(sizeof controls)];
    }
    if (pick < 19) {
        return others[random.below(sizeof others - 1)];
    }
    return static_cast<char>(0x20 + random.below(0xE0));
}

std::string stormText(StormRandom& random, const NumericFieldFormat& format, int maxLength) {
    std::string text;
    const int length = random.below(maxLength + 1);
    for (int i = 0; i < length; ++i) {
        const char c = stormCharacter(random, format);
        text += (static_cast<unsigned char>(c) < 0x20) ? '7' : c;
    }
    return text;
}

// A clipboard text as another program may leave it: mostly Windows-1252,
// now and then with characters outside it (Cyrillic, CJK, a surrogate pair,
// a no-break space), line breaks and tabs.
std::wstring stormClipboardText(StormRandom& random, const NumericFieldFormat& format) {
    static const wchar_t* const foreign[] = {L"\x0416", L"\x4E2D", L"\xD83D\xDE00", L"\x00A0",
                                             L"\r\n",   L"\n",     L"\t",           L"\x2212"};
    std::wstring text = widen1252(stormText(random, format, 24));
    if (random.below(4) == 0) {
        const size_t at = static_cast<size_t>(random.below(static_cast<int>(text.size()) + 1));
        text.insert(at, foreign[random.below(8)]);
    }
    return text;
}

// The kinds of action and how often each comes, in percent.
enum ActionKind {
    TYPE_KEYS,
    EDITING_KEY,
    SELECT_RANGE,
    PASTE,
    CUT,
    CLEAR,
    UNDO,
    SET_TEXT,
    CHANGE_REFRIGERANT,
    CLICK_LIST,
    TICK,
    ACTION_KINDS
};
constexpr int ACTION_WEIGHTS[ACTION_KINDS] = {40, 10, 10, 10, 4, 2, 2, 4, 6, 7, 5};
const char* const ACTION_NAMES[ACTION_KINDS] = {
    "keystroke runs", "editing keys", "selections",   "pastes",      "cuts", "clears",
    "undos",          "set-texts",    "refrigerants", "list clicks", "ticks"};

ActionKind pickAction(StormRandom& random) {
    int pick = random.below(100);
    int kind = 0;
    while (pick >= ACTION_WEIGHTS[kind]) {
        pick -= ACTION_WEIGHTS[kind];
        ++kind;
    }
    return static_cast<ActionKind>(kind);
}

// One random action on the window; returns its kind.
ActionKind stormAction(StormRandom& random, MainWindow& window, const NumericFieldFormat& format) {
    HWND field = Item(window, INPUT_FIELDS[random.below(5)]);
    const int length = static_cast<int>(WindowText(field).size());
    const ActionKind kind = pickAction(random);
    switch (kind) {
    case TYPE_KEYS: {
        std::string keys;
        for (int i = random.below(6) + 1; i > 0; --i) {
            keys += stormCharacter(random, format);
        }
        TypeText(field, keys);
        break;
    }
    case EDITING_KEY: {
        static const UINT keys[] = {VK_DELETE, VK_DELETE, VK_LEFT, VK_RIGHT, VK_HOME, VK_END};
        PressKey(field, keys[random.below(6)]);
        break;
    }
    case SELECT_RANGE:
        SetSelection(field, random.below(length + 3) - 1, random.below(length + 3) - 1);
        break;
    case PASTE:
        PutOnClipboard(window.hwnd(), stormClipboardText(random, format));
        SendMessageW(field, WM_PASTE, 0, 0);
        break;
    case CUT:
        SendMessageW(field, WM_CUT, 0, 0);
        break;
    case CLEAR:
        SendMessageW(field, WM_CLEAR, 0, 0);
        break;
    case UNDO:
        SendMessageW(field, EM_UNDO, 0, 0);
        break;
    case SET_TEXT:
        SetWindowTextW(field, widen1252(stormText(random, format, 20)).c_str());
        break;
    case CHANGE_REFRIGERANT:
        SelectComboItem(window.hwnd(), IDC_MAIN_REFRIGERANT,
                        random.below(window.database().refrigerantCount));
        break;
    case CLICK_LIST:
        // Row 9 is below the last row: a click on no row.
        ClickListRow(window.hwnd(), ResultsListWindow(window), random.below(10));
        break;
    case TICK:
    case ACTION_KINDS:
        Tick(window.hwnd());
        break;
    }
    return kind;
}

// Values inside the usual ranges, so that many bursts end in a selection.
void enterUsualValues(StormRandom& random, MainWindow& window) {
    const bool fahrenheit = window.units().temperatureUnit != 0;
    const bool btu = window.units().energyUnit == 0;
    const char* const heatLoads[] = {"110", "75.5", "300", "1500"};
    const char* const evap[] = {"-25", "-30", "-10"};
    const char* const evapF[] = {"-13", "-22", "14"};
    ReplaceText(Item(window, IDC_MAIN_HEAT_LOAD), btu ? "375" : heatLoads[random.below(4)]);
    ReplaceText(Item(window, IDC_MAIN_EVAP_TEMP), (fahrenheit ? evapF : evap)[random.below(3)]);
    ReplaceText(Item(window, IDC_MAIN_COND_TEMP), fahrenheit ? "131" : "55");
    ReplaceText(Item(window, IDC_MAIN_RETURN_GAS_TEMP), fahrenheit ? "89.6" : "32");
}

struct StormTally {
    int actions[ACTION_KINDS] = {};
    int bursts = 0;
    int selections = 0; // bursts that ended with nine rows
    int messages = 0;   // bursts that ended with one message row
    int settingsChanges = 0;
};

// What must hold after every burst.
void checkWindow(MainWindow& window, const NumericFieldFormat& format, StormTally& tally) {
    ASSERT_TRUE(IsWindow(window.hwnd()));
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutW(window.hwnd(), WM_NULL, 0, 0, SMTO_NORMAL, 2000, &answer), 0)
        << "the main window does not answer";
    EXPECT_TRUE(window.initialisationComplete());

    for (const int id : ALL_FIELDS) {
        const std::string text = WindowText(Item(window, id));
        EXPECT_EQ(text, numericValidText(text, format)) << "field " << id;
        EXPECT_TRUE(std::isfinite(numericTextValue(text, format))) << "field " << id;
    }

    const int refrigerant = window.selectedRefrigerant();
    EXPECT_GE(refrigerant, 0);
    EXPECT_LT(refrigerant, window.database().refrigerantCount);
    EXPECT_EQ(SendMessageW(Item(window, IDC_MAIN_REFRIGERANT), CB_GETCURSEL, 0, 0), refrigerant);

    HWND list = ResultsListWindow(window);
    const auto rows = ListRows(list);
    EXPECT_EQ(rows, ExpectedRows(window));
    if (rows.size() == static_cast<size_t>(RESULT_ROWS)) {
        ++tally.selections;
        EXPECT_EQ(SelectedRow(list), window.result().selectedRow);
    } else {
        ++tally.messages;
        EXPECT_EQ(rows.size(), 1u);
        EXPECT_FALSE(rows.empty() || rows[0].first.empty());
    }
    ++tally.bursts;
}

// Opens the settings dialog with a posted click, picks random units and a
// random diameter list, and ends it with OK (mostly) or Cancel.
void changeUnits(Script& script, MainWindow& window, StormRandom& random, StormTally& tally) {
    auto settings = std::make_shared<HWND>(nullptr);
    script.then([&window] { PostClick(window.hwnd(), IDC_MAIN_SETTINGS); })
        .waitForDialog(L"Settings", *settings)
        .then([settings, &random, &tally] {
            for (const auto& pair : UNIT_RADIO_PAIRS) {
                if (random.below(2) == 0) {
                    CheckRadio(*settings, pair[0], pair[1]);
                } else {
                    CheckRadio(*settings, pair[1], pair[0]);
                }
            }
            SelectComboItem(*settings, IDC_SETTINGS_DIAMETER_LIST, random.below(2));
            PostClick(*settings, random.below(5) == 0 ? IDCANCEL : IDOK);
            ++tally.settingsChanges;
        })
        .waitUntil([] { return FindDialog(L"Settings") == nullptr; }, "the settings dialog to end");
}

} // namespace

TEST(MessageStorm, RandomInputKeepsFieldsListAndStoreSound) {
    ResetSettingsStore();
    RegistrySettingsStore store = TestStore();
    const NumericFieldFormat format = fieldFormat();
    const std::uint64_t seed = stormSeed();
    const int bursts = stormBursts();
    std::printf("storm seed 0x%llX, %d bursts\n", static_cast<unsigned long long>(seed), bursts);
    StormRandom random(seed);
    StormTally tally;

    std::vector<std::string> lastTexts(5);
    int lastRefrigerant = -1;
    UnitSettings lastUnits;
    {
        MainWindow window(store, readAppIdentity(), programBaseName());
        Script script;
        WaitShown(script, window);
        for (int burst = 0; burst < bursts; ++burst) {
            if (burst % BURSTS_PER_SETTINGS_CHANGE == BURSTS_PER_SETTINGS_CHANGE - 1) {
                changeUnits(script, window, random, tally);
            }
            script.then([&, burst] {
                for (int action = 0; action < ACTIONS_PER_BURST; ++action) {
                    ++tally.actions[stormAction(random, window, format)];
                }
                if (burst % 3 == 2) {
                    enterUsualValues(random, window);
                }
                Tick(window.hwnd());
                checkWindow(window, format, tally);
            });
        }
        script.then([&] {
            for (int i = 0; i < 5; ++i) {
                lastTexts[i] = FieldText(window, INPUT_FIELDS[i]);
            }
            lastRefrigerant = window.selectedRefrigerant();
            lastUnits = window.units();
            Close(window.hwnd());
        });
        // A burst takes well under a tenth of a second; this only ends a hang.
        const ScriptedRun run = runScripted(window, script, 30000 + 1000 * bursts);
        EXPECT_TRUE(run.scriptFinished);
    }
    for (int kind = 0; kind < ACTION_KINDS; ++kind) {
        std::printf("%s%d %s", kind == 0 ? "storm: " : ", ", tally.actions[kind],
                    ACTION_NAMES[kind]);
        // Every kind of action had its share of the storm.
        EXPECT_GT(tally.actions[kind], 0) << ACTION_NAMES[kind];
    }
    std::printf("; %d unit changes\n", tally.settingsChanges);
    EXPECT_EQ(tally.bursts, bursts);
    EXPECT_EQ(tally.settingsChanges, bursts / BURSTS_PER_SETTINGS_CHANGE);
    // The storm reached both kinds of list.
    EXPECT_GT(tally.selections, 0);
    EXPECT_GT(tally.messages, 0);

    // The close wrote the last values, the refrigerant and the units. The
    // store keeps 32-bit hundredths: a value beyond +-21,474,836.47 (nine
    // whole digits fit in a field) comes back at that limit.
    double storable[5] = {};
    for (int i = 0; i < 5; ++i) {
        storable[i] = std::clamp(numericTextValue(lastTexts[i], format), INT32_MIN / 100.0,
                                 INT32_MAX / 100.0);
        const std::optional<std::int32_t> stored = StoredValue(SECTION_SETTINGS, STORED_INPUTS[i]);
        ASSERT_TRUE(stored.has_value()) << STORED_INPUTS[i];
        EXPECT_NEAR(fromHundredths(*stored), storable[i], 0.0051)
            << STORED_INPUTS[i] << " from " << lastTexts[i];
    }
    EXPECT_EQ(StoredValue(SECTION_SETTINGS, VALUE_REFRIGERANT), lastRefrigerant);

    // A restart finds them.
    MainWindow restarted(store, readAppIdentity(), programBaseName());
    Script script;
    WaitShown(script, restarted).then([&] {
        EXPECT_EQ(restarted.selectedRefrigerant(), lastRefrigerant);
        const UnitSettings& units = restarted.units();
        EXPECT_EQ(units.energyUnit, lastUnits.energyUnit);
        EXPECT_EQ(units.temperatureUnit, lastUnits.temperatureUnit);
        EXPECT_EQ(units.pressureUnit, lastUnits.pressureUnit);
        EXPECT_EQ(units.diameterUnit, lastUnits.diameterUnit);
        EXPECT_EQ(units.lengthUnit, lastUnits.lengthUnit);
        EXPECT_EQ(units.flowUnit, lastUnits.flowUnit);
        EXPECT_EQ(units.diameterList, lastUnits.diameterList);
        for (int i = 0; i < 5; ++i) {
            // Stored in hundredths: within half a hundredth of what was shown.
            const std::string text = FieldText(restarted, INPUT_FIELDS[i]);
            EXPECT_EQ(text, numericValidText(text, format));
            EXPECT_NEAR(numericTextValue(text, format), storable[i], 0.0051)
                << STORED_INPUTS[i] << ": " << lastTexts[i] << " came back as " << text;
        }
        EXPECT_EQ(ListRows(ResultsListWindow(restarted)), ExpectedRows(restarted));
        Close(restarted.hwnd());
    });
    runScripted(restarted, script);
}

// Runs `check` in one step on a main window started on an empty store, then
// closes the window.
static void
onFreshWindow(const std::function<void(MainWindow&, const NumericFieldFormat&)>& check) {
    ResetSettingsStore();
    RegistrySettingsStore store = TestStore();
    MainWindow window(store, readAppIdentity(), programBaseName());
    Script script;
    WaitShown(script, window).then([&] {
        check(window, fieldFormat());
        Close(window.hwnd());
    });
    runScripted(window, script);
}

// Found by the storm: under Wine the edit control's text layout faults on
// some characters in the fields' font (a small tilde, 0x98, after a digit,
// or alone). The fields drop them, and the control must never be given
// them, neither by a paste nor by a set-text.
TEST(MessageStorm, CharactersTheFieldDropsNeverReachTheControl) {
    onFreshWindow([](MainWindow& window, const NumericFieldFormat& format) {
        const std::string minus(1, format.negativeSign);
        const std::string point(1, format.decimalPoint);
        HWND field = Item(window, IDC_MAIN_HEAT_LOAD);
        SetWindowTextW(field, widen1252(minus + "789831249").c_str());
        SetSelection(field, 10, 10);
        putOnClipboard(window.hwnd(), "\x98\xE9"
                                      "7" +
                                          minus + point + point + minus +
                                          "\xBA"
                                          "7208.3g");
        SendMessageW(field, WM_PASTE, 0, 0);
        EXPECT_EQ(FieldText(window, IDC_MAIN_HEAT_LOAD), minus + "789831249" + point + "720");

        SetWindowTextW(Item(window, IDC_MAIN_EVAP_TEMP), widen1252("\x98").c_str());
        EXPECT_EQ(FieldText(window, IDC_MAIN_EVAP_TEMP), "");
        SetWindowTextW(Item(window, IDC_MAIN_COND_TEMP), widen1252("4\x98"
                                                                   "5")
                                                             .c_str());
        EXPECT_EQ(FieldText(window, IDC_MAIN_COND_TEMP), "45");
    });
}

namespace {

// Writes `name` in `section` of the test program's key as an edited
// registry might hold it: any type, any size, any 32-bit value, or nothing.
void storeAnything(StormRandom& random, const char* section, const char* name) {
    const std::wstring path = TestStorePath() + L"\\" + widen1252(section);
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        ADD_FAILURE() << "cannot open " << section;
        return;
    }
    const std::wstring value = widen1252(name);
    static const std::int32_t extremes[] = {INT32_MIN, INT32_MAX, -1, 0, 1, 2, 5, 32767, -32768};
    const std::uint64_t bits = random.next();
    std::int32_t number = static_cast<std::int32_t>(bits >> 32);
    switch (random.below(8)) {
    case 0:
        RegDeleteValueW(key, value.c_str());
        break;
    case 1: {
        const wchar_t text[] = L"12";
        RegSetValueExW(key, value.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                       sizeof text);
        break;
    }
    case 2: // two bytes
        RegSetValueExW(key, value.c_str(), 0, REG_BINARY, reinterpret_cast<const BYTE*>(&bits), 2);
        break;
    case 3:
        RegSetValueExW(key, value.c_str(), 0, REG_QWORD, reinterpret_cast<const BYTE*>(&bits),
                       sizeof bits);
        break;
    case 4:
    case 5:
        number = extremes[random.below(static_cast<int>(sizeof extremes / sizeof extremes[0]))];
        [[fallthrough]];
    default:
        RegSetValueExW(key, value.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                       sizeof number);
        break;
    }
    RegCloseKey(key);
}

} // namespace

// Start-up on a store full of values of wrong types and sizes, extreme and
// random numbers: the window comes up, answers, shows valid fields and a
// list that matches its inputs, and closes writing what it shows.
TEST(MessageStorm, EditedRegistryNeverBreaksStartUp) {
    const char* const settings[] = {
        VALUE_UNITS_ENERGY, VALUE_UNITS_TEMPERATURE, VALUE_UNITS_PRESSURE, VALUE_UNITS_DIAMETER,
        VALUE_UNITS_LENGTH, VALUE_UNITS_FLOW,        VALUE_DIAMETER_LIST,  VALUE_REFRIGERANT,
        VALUE_HEAT_LOAD,    VALUE_EVAP_TEMP,         VALUE_COND_TEMP,      VALUE_RETURN_GAS_TEMP,
        VALUE_AMBIENT_TEMP};
    const char* const location[] = {VALUE_X_POSITION, VALUE_Y_POSITION, VALUE_X_SIZE, VALUE_Y_SIZE};
    StormRandom random(stormSeed() ^ 0x5245474544ULL);
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        ResetSettingsStore();
        for (const char* name : settings) {
            storeAnything(random, SECTION_SETTINGS, name);
        }
        for (const char* name : location) {
            storeAnything(random, SECTION_LOCATION, name);
        }
        RegistrySettingsStore store = TestStore();
        std::vector<std::string> shown(5);
        int refrigerant = -1;
        {
            MainWindow window(store, readAppIdentity(), programBaseName());
            Script script;
            WaitShown(script, window).then([&] {
                StormTally tally;
                checkWindow(window, fieldFormat(), tally);
                for (int i = 0; i < 5; ++i) {
                    shown[i] = FieldText(window, INPUT_FIELDS[i]);
                }
                refrigerant = window.selectedRefrigerant();
                Close(window.hwnd());
            });
            EXPECT_TRUE(runScripted(window, script).scriptFinished);
        }
        for (int i = 0; i < 5; ++i) {
            const std::optional<std::int32_t> stored =
                StoredValue(SECTION_SETTINGS, STORED_INPUTS[i]);
            ASSERT_TRUE(stored.has_value()) << STORED_INPUTS[i];
            EXPECT_NEAR(fromHundredths(*stored), numericTextValue(shown[i], fieldFormat()), 0.0051)
                << STORED_INPUTS[i] << " shown as " << shown[i];
        }
        EXPECT_EQ(StoredValue(SECTION_SETTINGS, VALUE_REFRIGERANT), refrigerant);
    }
    ResetSettingsStore();
}
