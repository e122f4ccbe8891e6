// Reads controls of a window in another process the way a screen reader
// does (MSAA through oleacc) and prints one line per control, in
// Windows-1252:
//   <control id>|<name>|<role>|<value>|<keyboard shortcut>
//
//   screen_reader_probe <window handle> <control id>...
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

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || FAILED(CoInitialize(nullptr))) {
        return 2;
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
