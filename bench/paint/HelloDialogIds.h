#pragma once
// Resource identifiers of the hello dialog (HelloDialog.rc).
#define IDD_HELLO 100
#define IDC_HELLO_COMBO 1001
#define IDC_HELLO_EDIT1 1002
#define IDC_HELLO_EDIT2 1003
#define IDC_HELLO_LIST 1004
#define IDC_HELLO_BUTTON1 1005
#define IDC_HELLO_BUTTON2 1006
#define IDC_HELLO_BUTTON3 1007
