#pragma once
// The settings dialog (template 133): the six units and the standard tube
// diameter list. It reads the shared unit settings when it opens; OK puts the
// seven choices into them and writes all seven to the store; Cancel and the
// close box change nothing. It converts no entered value: the main window
// compares the units before and after the run.
#include "settings/SettingsStore.h"
#include "ui/framework/Dialog.h"
#include "units/UnitSettings.h"

class CSettingsDlg : public Dialog {
public:
    CSettingsDlg(UnitSettings& units, SettingsStore& store) noexcept;

protected:
    bool onInitDialog() override;
    void onOK() override;

private:
    UnitSettings& units_;
    SettingsStore& store_;
};
