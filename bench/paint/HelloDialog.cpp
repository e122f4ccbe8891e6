// The hello dialog: the smallest dialog program built like the real one
// (same toolchain, static runtime and flags). A combo box, two edits, a list
// view in report view and three buttons from a resource template, run
// modally at the program's default window size. It is the benchmark's floor
// for start-up and for the paint of a whole window with its children.
#include "settings/SettingsNames.h"
#include "bench/paint/HelloDialogIds.h"

#include <windows.h>

#include <commctrl.h>

namespace {

void fillControls(HWND dialog) {
    HWND combo = GetDlgItem(dialog, IDC_HELLO_COMBO);
    const wchar_t* const items[] = {L"First", L"Second", L"Third"};
    for (const wchar_t* item : items) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    SetDlgItemTextW(dialog, IDC_HELLO_EDIT1, L"110");
    SetDlgItemTextW(dialog, IDC_HELLO_EDIT2, L"-25");

    HWND list = GetDlgItem(dialog, IDC_HELLO_LIST);
    wchar_t length[] = L"Length";
    wchar_t diameter[] = L"Inner Diameter";
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 150;
    column.pszText = length;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    column.pszText = diameter;
    SendMessageW(list, LVM_INSERTCOLUMNW, 1, reinterpret_cast<LPARAM>(&column));
    for (int row = 0; row < 9; ++row) {
        wchar_t text[] = L"1.25 m";
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = text;
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
}

INT_PTR CALLBACK helloProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        fillControls(dialog);
        SetWindowPos(dialog, nullptr, DEFAULT_X_POSITION, DEFAULT_Y_POSITION, DEFAULT_X_SIZE,
                     DEFAULT_Y_SIZE, SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
        }
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_HELLO), nullptr, helloProc, 0);
    return 0;
}
