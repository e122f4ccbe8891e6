// The application manifest, as Windows reads it when the process starts
// (this test program carries the program's resources, manifest included).
// The queries name no activation context: the process default, which the
// loader made from the manifest.
#include <gtest/gtest.h>

#include <cstddef>
#include <cwchar>
#include <set>
#include <shlwapi.h>
#include <string>
#include <windows.h>

namespace {

// The manifest's <windowsSettings> value `name` of the settings schema of
// `year`, empty when there is none.
std::wstring windowsSetting(const wchar_t* year, const wchar_t* name) {
    const std::wstring schema =
        std::wstring(L"http://schemas.microsoft.com/SMI/") + year + L"/WindowsSettings";
    wchar_t value[64] = {};
    SIZE_T written = 0;
    if (!QueryActCtxSettingsW(0, nullptr, schema.c_str(), name, value, 64, &written)) {
        return L"";
    }
    return value;
}

// CompatibilityInformationInActivationContext as Windows 10 and Wine return
// it (the MinGW header lacks the last member).
struct CompatibilityElement {
    GUID id;
    DWORD type;
    ULONGLONG maxVersionTested;
};
struct CompatibilityInformation {
    DWORD count;
    CompatibilityElement elements[8];
};

std::wstring guidText(const GUID& g) {
    wchar_t text[40] = {};
    swprintf(text, 40, L"{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.Data1, g.Data2,
             g.Data3, g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5],
             g.Data4[6], g.Data4[7]);
    return text;
}

} // namespace

TEST(ProgramManifest, AsInvokerWindows7To11PerMonitorDpiAwareClassicControls) {
    ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION runLevel{};
    SIZE_T size = 0;
    ASSERT_TRUE(QueryActCtxW(0, nullptr, nullptr, RunlevelInformationInActivationContext,
                             &runLevel, sizeof runLevel, &size));
    EXPECT_EQ(runLevel.RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);
    EXPECT_EQ(runLevel.UiAccess, 0u);

    CompatibilityInformation compatibility{};
    ASSERT_TRUE(QueryActCtxW(0, nullptr, nullptr, CompatibilityInformationInActivationContext,
                             &compatibility, sizeof compatibility, &size));
    ASSERT_EQ(size, offsetof(CompatibilityInformation, elements) +
                        compatibility.count * sizeof(CompatibilityElement));
    std::set<std::wstring> systems;
    for (DWORD i = 0; i < compatibility.count; ++i) {
        if (compatibility.elements[i].type == ACTCTX_COMPATIBILITY_ELEMENT_TYPE_OS) {
            systems.insert(guidText(compatibility.elements[i].id));
        }
    }
    const std::set<std::wstring> windows7To11{
        L"{35138B9A-5D96-4FBD-8E2D-A2440225F93A}",  // 7
        L"{4A2F28E3-53B9-4441-BA9C-D69D4A4A6E38}",  // 8
        L"{1F676C76-80E1-4239-95BB-83D0F6D0DA78}",  // 8.1
        L"{8E0F7A12-BFB3-4FE8-B9A5-48FD50A15A9A}"}; // 10 and 11
    EXPECT_EQ(systems, windows7To11);

    // Per-monitor v2 where Windows has it, else system-aware. (Wine 8 runs
    // every program per-monitor aware, whatever the manifest says, so the
    // process's awareness tells nothing here.)
    EXPECT_EQ(windowsSetting(L"2005", L"dpiAware"), L"true");
    EXPECT_EQ(windowsSetting(L"2016", L"dpiAwareness"), L"PerMonitorV2, System");

    // No dependency on the common controls 6: the classic controls, no
    // visual styles.
    const HMODULE controls = GetModuleHandleW(L"comctl32.dll");
    ASSERT_NE(controls, nullptr);
    const auto dllGetVersion = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void*>(GetProcAddress(controls, "DllGetVersion")));
    ASSERT_NE(dllGetVersion, nullptr);
    DLLVERSIONINFO version{};
    version.cbSize = sizeof version;
    ASSERT_EQ(dllGetVersion(&version), S_OK);
    EXPECT_LT(version.dwMajorVersion, 6u);
}
