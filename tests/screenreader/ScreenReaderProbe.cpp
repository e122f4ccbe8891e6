// Reads controls of a window in another process the way a screen reader
// does and prints one line per control, in Windows-1252. Through MSAA
// (oleacc):
//   screen_reader_probe <window handle> <control id>...
//   <control id>|<name>|<role>|<value>|<keyboard shortcut>
// Through UI Automation, which Windows has and Wine 8 has not ("no ui
// automation" then):
//   screen_reader_probe uia <window handle> <control id>...
//   <control id>|<name>|<keyboard focusable 0/1>|<offscreen 0/1>
#include <oleacc.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The text of a string the object handed over (and then freed).
std::string taken(BSTR text) {
    std::string out;
    if (text != nullptr) {
        out.resize(static_cast<size_t>(SysStringLen(text)) * 2 + 1);
        const int length = WideCharToMultiByte(1252, 0, text, -1, out.data(),
                                               static_cast<int>(out.size()), nullptr, nullptr);
        out.resize(length > 0 ? static_cast<size_t>(length) - 1 : 0);
        SysFreeString(text);
    }
    return out;
}

// The first slots of the UI Automation client interfaces, as far as the
// probe calls them (the MinGW headers do not declare them).
struct AutomationElement : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE SetFocus() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetRuntimeId(void** id) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindFirst(int scope, void* condition, void** found) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindAll(int scope, void* condition, void** found) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindFirstBuildCache(int, void*, void*, void**) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindAllBuildCache(int, void*, void*, void**) = 0;
    virtual HRESULT STDMETHODCALLTYPE BuildUpdatedCache(void* request, void** updated) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetCurrentPropertyValue(int property, VARIANT* value) = 0;
};
struct Automation : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE CompareElements(void*, void*, BOOL*) = 0;
    virtual HRESULT STDMETHODCALLTYPE CompareRuntimeIds(void*, void*, BOOL*) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetRootElement(AutomationElement** root) = 0;
    virtual HRESULT STDMETHODCALLTYPE ElementFromHandle(HWND window,
                                                        AutomationElement** element) = 0;
};
constexpr CLSID kAutomationClass = {
    0xff48dba4, 0x60ef, 0x4201, {0xaa, 0x87, 0x54, 0x10, 0x3e, 0xef, 0x59, 0x4e}};
constexpr IID kAutomationInterface = {
    0x30cbe57d, 0xd9d0, 0x452a, {0xab, 0x13, 0x7a, 0xc5, 0xac, 0x48, 0x25, 0xee}};
constexpr int kNameProperty = 30005;
constexpr int kKeyboardFocusableProperty = 30009;
constexpr int kOffscreenProperty = 30022;

int property(AutomationElement& element, int id) {
    VARIANT value{};
    element.GetCurrentPropertyValue(id, &value);
    return value.vt == VT_BOOL ? (value.boolVal != VARIANT_FALSE ? 1 : 0) : -1;
}

int readThroughAutomation(HWND window, int count, char** ids) {
    Automation* automation = nullptr;
    if (FAILED(CoCreateInstance(kAutomationClass, nullptr, CLSCTX_INPROC_SERVER,
                                kAutomationInterface, reinterpret_cast<void**>(&automation)))) {
        std::printf("no ui automation\n");
        return 0;
    }
    for (int i = 0; i < count; ++i) {
        const int id = std::atoi(ids[i]);
        AutomationElement* element = nullptr;
        if (FAILED(automation->ElementFromHandle(GetDlgItem(window, id), &element)) ||
            element == nullptr) {
            std::printf("%d|no element\n", id);
            continue;
        }
        VARIANT name{};
        element->GetCurrentPropertyValue(kNameProperty, &name);
        std::printf("%d|%s|%d|%d\n", id, taken(name.vt == VT_BSTR ? name.bstrVal : nullptr).c_str(),
                    property(*element, kKeyboardFocusableProperty),
                    property(*element, kOffscreenProperty));
        element->Release();
    }
    automation->Release();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || FAILED(CoInitialize(nullptr))) {
        return 2;
    }
    if (std::string(argv[1]) == "uia") {
        const int result = readThroughAutomation(
            reinterpret_cast<HWND>(std::strtoull(argv[2], nullptr, 10)), argc - 3, argv + 3);
        CoUninitialize();
        return result;
    }
    const auto window = reinterpret_cast<HWND>(std::strtoull(argv[1], nullptr, 10));
    for (int i = 2; i < argc; ++i) {
        const int id = std::atoi(argv[i]);
        IAccessible* object = nullptr;
        if (FAILED(AccessibleObjectFromWindow(GetDlgItem(window, id), OBJID_CLIENT,
                                              __uuidof(IAccessible),
                                              reinterpret_cast<void**>(&object)))) {
            std::printf("%d|no object\n", id);
            continue;
        }
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        VARIANT role{};
        BSTR name = nullptr;
        BSTR value = nullptr;
        BSTR shortcut = nullptr;
        object->get_accName(self, &name);
        object->get_accRole(self, &role);
        object->get_accValue(self, &value);
        object->get_accKeyboardShortcut(self, &shortcut);
        std::printf("%d|%s|%ld|%s|%s\n", id, taken(name).c_str(),
                    role.vt == VT_I4 ? role.lVal : -1L, taken(value).c_str(),
                    taken(shortcut).c_str());
        object->Release();
    }
    CoUninitialize();
    return 0;
}
