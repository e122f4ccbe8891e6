#include "app/RegistrySettingsStore.h"

#include "win32/DebugTrace.h"
#include "win32/Text1252.h"
#include "win32/Unique.h"

#include <cstring>
#include <string>
#include <windows.h>

namespace {

// A lost write is not reported to the user (the value simply is not kept);
// it leaves a trace for a debugger.
void traceWriteFailure(const char* section, const char* name, LSTATUS status) {
    traceLine(std::string("settings: writing ") + section + "\\" + name + " failed, error " +
              std::to_string(status));
}

} // namespace

RegistrySettingsStore::RegistrySettingsStore(const std::wstring& companyKey,
                                             const std::wstring& applicationName)
    : rootPath_(L"Software\\" + companyKey + L"\\" + applicationName) {}

std::wstring RegistrySettingsStore::sectionPath(const char* section) const {
    return rootPath_ + L"\\" + widen1252(section);
}

std::int32_t RegistrySettingsStore::readInt(const char* section, const char* name,
                                            std::int32_t defaultValue) {
    UniqueRegistryKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, sectionPath(section).c_str(), 0, KEY_QUERY_VALUE,
                      key.put()) != ERROR_SUCCESS) {
        return defaultValue;
    }
    DWORD type = 0;
    BYTE data[sizeof(DWORD)] = {};
    DWORD size = sizeof data;
    const std::wstring valueName = widen1252(name);
    if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, data, &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(DWORD)) {
        return defaultValue;
    }
    // Two's complement: a stored 0xFFFFFFFF reads back as -1.
    std::int32_t value = 0;
    std::memcpy(&value, data, sizeof value);
    return value;
}

void RegistrySettingsStore::writeInt(const char* section, const char* name, std::int32_t value) {
    UniqueRegistryKey key;
    const LSTATUS opened =
        RegCreateKeyExW(HKEY_CURRENT_USER, sectionPath(section).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, key.put(), nullptr);
    if (opened != ERROR_SUCCESS) {
        traceWriteFailure(section, name, opened);
        return;
    }
    DWORD data = 0;
    std::memcpy(&data, &value, sizeof data);
    const std::wstring valueName = widen1252(name);
    const LSTATUS written = RegSetValueExW(key.get(), valueName.c_str(), 0, REG_DWORD,
                                           reinterpret_cast<const BYTE*>(&data), sizeof data);
    if (written != ERROR_SUCCESS) {
        traceWriteFailure(section, name, written);
    }
}
