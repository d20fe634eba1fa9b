// Runs the hand-off tests on a real X display (xvfb-run): the offscreen platform
// has no open-by-association service. The desktop environment is a temporary
// XDG home whose handlers record every link they are given.
#include <QApplication>

#include <gtest/gtest.h>

#include "tests/actions/xdg_sandbox.h"

int main(int argc, char** argv) {
    xdgSandbox();
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
