#include <QCursor>
#include <QMenu>

#include "ui/browser_box.h"
#include "ui/toolkit.h"

QPoint cursorPosition() {
    return QCursor::pos();
}

void showPopupMenu(QMenu* menu, int x, int y) {
    menu->exec(QPoint(x, y));
}

void setAddress(BrowserBox* browserBox, std::string_view text) {
    browserBox->navigate(std::string(text));
}
