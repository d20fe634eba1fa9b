#include "actions/row_actions.h"

#include <string>

#include "actions/clipboard.h"
#include "ui/main_window.h"
#include "ui/toolkit.h"

namespace {

constexpr int linkColumn = 5;

std::string currentLink() {
    const ResultList* list = mainWindow().超级列表框1;
    return getCellText(list, currentRow(list), linkColumn);
}

}  // namespace

void onResultListRightClick() {
    if (currentLink().empty()) return;
    const QPoint at = cursorPosition();
    showPopupMenu(mainWindow().右键菜单, at.x(), at.y());
}

void onDownloadMenuSelected() {
    setAddress(mainWindow().超文本浏览框1, currentLink());
}

void onCopyLinkMenuSelected() {
    copyToClipboard(currentLink());
}
