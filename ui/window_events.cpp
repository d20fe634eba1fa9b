#include "ui/window_events.h"

#include <QAction>
#include <QPushButton>

#include "ui/browser_box.h"
#include "ui/main_window.h"
#include "ui/result_list.h"
#include "ui/window_handlers.h"

namespace {

// An event without a handler does nothing.
void runIfSet(const std::function<void()>& handler) {
    if (handler) handler();
}

void bindClick(QPushButton* button, std::function<void()> handler) {
    QObject::connect(button, &QPushButton::clicked, button,
                     [handler = std::move(handler)] { runIfSet(handler); });
}

void bindSelect(QAction* item, std::function<void()> handler) {
    QObject::connect(item, &QAction::triggered, item,
                     [handler = std::move(handler)] { runIfSet(handler); });
}

}  // namespace

void connectEvents(MainWindow& window, const WindowHandlers& handlers) {
    bindClick(window.采集按钮, handlers.onCollectClicked);
    bindClick(window.下一页按钮, handlers.onNextPageClicked);
    bindClick(window.搜索按钮, handlers.onSearchClicked);
    bindClick(window.按钮1, handlers.onSupportButton1Clicked);
    bindClick(window.按钮2, handlers.onSupportButton2Clicked);
    bindSelect(window.迅雷下载, handlers.onDownloadMenuSelected);
    bindSelect(window.复制下载地址, handlers.onCopyLinkMenuSelected);
    QObject::connect(window.超级列表框1, &ResultList::rightClicked, window.超级列表框1,
                     [handler = handlers.onResultListRightClick] { runIfSet(handler); });
    window.超文本浏览框1->setNavigateHook(handlers.onBrowserNavigate);
}
