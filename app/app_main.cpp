#include "app/app_main.h"

#include <QApplication>

#include "app/app_globals.h"
#include "app/window_bindings.h"
#include "app/window_wait.h"
#include "ui/toolkit.h"
#include "ui/window_handlers.h"

int appMain(int& argc, char** argv) {
    QApplication application(argc, argv);
    // Lets desktops match the window to its installed entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vantrel.Vantrel"));
    initGlobals();
    registerExitHook(releaseGlobals);
    installWindowWait();
    loadWindow(windowHandlers());
    runMessageLoop();
    return 0;
}
