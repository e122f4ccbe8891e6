// Painting the main window: everything that is not a control is drawn into
// an off-screen canvas the size of the client area and copied in one block
// (MainWindowPainter); minimised, the window shows its icon.
#include "ui/main/MainWindow.h"

#include "ui/main/MainWindowPainter.h"

void MainWindow::PaintMainWindow() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    MainWindowLook look;
    look.clientWidth = client.right - client.left;
    look.clientHeight = client.bottom - client.top;
    look.rightInset = rightInset;
    look.productName = identity_.productName;
    look.programVersion = identity_.programVersion;
    look.databaseVersion = identity_.databaseVersion;
    look.units = units_;
    look.flowRate = result_.flowRate;
    look.icon = applicationIcon();
    const double scale = ::PaintMainWindow(hwnd(), look);
    if (!IsIconic(hwnd())) {
        pictureScale = scale;
    }
}
