#include "ui/dialogs/SettingsDialog.h"

#include "resources/ResourceIds.h"
#include "settings/UnitSettingsStore.h"

namespace {

// The radio pairs in the order energy, temperature, pressure, diameter,
// length, flow: the button for the value 1, then the one for 0.
struct RadioPair {
    int valueOne;
    int valueZero;
    std::int32_t UnitSettings::*setting;
};

constexpr RadioPair RADIO_PAIRS[] = {
    {IDC_SETTINGS_ENERGY_W, IDC_SETTINGS_ENERGY_BTU, &UnitSettings::energyUnit},
    {IDC_SETTINGS_TEMPERATURE_F, IDC_SETTINGS_TEMPERATURE_C, &UnitSettings::temperatureUnit},
    {IDC_SETTINGS_PRESSURE_PSI, IDC_SETTINGS_PRESSURE_BAR, &UnitSettings::pressureUnit},
    {IDC_SETTINGS_DIAMETER_INCHES, IDC_SETTINGS_DIAMETER_MM, &UnitSettings::diameterUnit},
    {IDC_SETTINGS_LENGTH_INCHES, IDC_SETTINGS_LENGTH_METERS, &UnitSettings::lengthUnit},
    {IDC_SETTINGS_FLOW_LPM, IDC_SETTINGS_FLOW_CFM, &UnitSettings::flowUnit},
};

} // namespace

CSettingsDlg::CSettingsDlg(UnitSettings& units, SettingsStore& store) noexcept
    : Dialog(IDD_SETTINGS), units_(units), store_(store) {}

bool CSettingsDlg::onInitDialog() {
    HWND list = item(IDC_SETTINGS_DIAMETER_LIST);
    SendMessageW(list, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(L"Europe"));
    SendMessageW(list, CB_INSERTSTRING, 1, reinterpret_cast<LPARAM>(L"North America"));
    const wchar_t* chosen = units_.diameterList != 0 ? L"North America" : L"Europe";
    SendMessageW(list, CB_SELECTSTRING, 0, reinterpret_cast<LPARAM>(chosen));

    for (const RadioPair& pair : RADIO_PAIRS) {
        const bool one = units_.*pair.setting != 0;
        SendMessageW(item(pair.valueOne), BM_SETCHECK, one ? BST_CHECKED : BST_UNCHECKED, 0);
        SendMessageW(item(pair.valueZero), BM_SETCHECK, one ? BST_UNCHECKED : BST_CHECKED, 0);
    }
    return true; // the system puts the focus on the first tab stop, OK
}

void CSettingsDlg::onOK() {
    UnitSettings chosen = units_;
    for (const RadioPair& pair : RADIO_PAIRS) {
        chosen.*pair.setting =
            SendMessageW(item(pair.valueOne), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    }
    chosen.diameterList = static_cast<std::int32_t>(
        SendMessageW(item(IDC_SETTINGS_DIAMETER_LIST), CB_GETCURSEL, 0, 0));
    units_ = chosen;
    writeUnitSettings(store_, units_);
    endDialog(IDOK);
}
