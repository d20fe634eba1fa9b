#include <QApplication>
#include <QPointer>
#include <QScreen>

#include <utility>

#include "ui/main_window.h"
#include "ui/toolkit.h"
#include "ui/window_events.h"
#include "ui/window_handlers.h"

namespace {

QPointer<MainWindow> loadedWindow;

std::vector<std::function<void()>>& exitHooks() {
    static std::vector<std::function<void()>> hooks;
    return hooks;
}

void centreOnScreen(QWidget& window) {
    window.winId();  // a native window knows its frame, so the outer size is measured
    const QRect screen = window.screen()->geometry();
    const QSize outer = window.frameGeometry().size();
    window.move(screen.x() + (screen.width() - outer.width()) / 2,
                screen.y() + (screen.height() - outer.height()) / 2);
}

}  // namespace

MainWindow& loadWindow(const WindowHandlers& handlers) {
    delete loadedWindow;
    loadedWindow = new MainWindow;
    // Closing the window destroys it and its controls, which ends the message loop.
    loadedWindow->setAttribute(Qt::WA_DeleteOnClose);
    connectEvents(*loadedWindow, handlers);
    centreOnScreen(*loadedWindow);
    loadedWindow->show();
    if (handlers.onWindowCreated) handlers.onWindowCreated();
    return *loadedWindow;
}

MainWindow& mainWindow() {
    if (!loadedWindow) qFatal("mainWindow() used while no window is loaded");
    return *loadedWindow;
}

int runMessageLoop() {
    const int exitCode = QApplication::exec();
    auto hooks = std::exchange(exitHooks(), {});
    for (const auto& hook : hooks) hook();
    return exitCode;
}

void registerExitHook(std::function<void()> routine) {
    exitHooks().push_back(std::move(routine));
}
