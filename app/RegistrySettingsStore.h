#pragma once
// The settings store in the per-user registry:
// HKEY_CURRENT_USER\Software\<company key>\<application name>\<section>,
// one REG_DWORD per value. Names go through the wide API converted from
// Windows-1252, so every byte of a name (trailing blanks included) is kept.
// Each call opens and closes its key; nothing is cached.
#include "settings/SettingsStore.h"

#include <string>

class RegistrySettingsStore : public SettingsStore {
public:
    RegistrySettingsStore(const std::wstring& companyKey, const std::wstring& applicationName);

    std::int32_t readInt(const char* section, const char* name, std::int32_t defaultValue) override;
    void writeInt(const char* section, const char* name, std::int32_t value) override;

    // "Software\<company key>\<application name>", below HKEY_CURRENT_USER.
    const std::wstring& rootPath() const noexcept { return rootPath_; }

private:
    std::wstring sectionPath(const char* section) const;
    std::wstring rootPath_;
};
