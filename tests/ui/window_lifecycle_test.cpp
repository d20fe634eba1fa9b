// Theme switching, and the message loop ending with the window and running the
// exit hooks.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include <memory>

#include "tests/ui/window_fixture.h"
#include "ui/toolkit.h"

namespace {

class WindowLifecycleTest : public WindowFixture {
protected:
    void SetUp() override { load({}); }
};

QString styleName(const QWidget* widget) {
    return widget->style()->name().toLower();
}

// The test program starts in the "windows" style; the created event switched
// the theme on.
TEST_F(WindowLifecycleTest, ThemeLooksOneToThreeSwitchOnAndOthersOff) {
    EXPECT_EQ(styleName(window().采集按钮), "fusion");
    struct Case {
        int look;
        const char* style;
    };
    const Case cases[] = {{0, "windows"}, {1, "fusion"}, {4, "windows"}, {3, "fusion"},
                          {-1, "windows"}, {2, "fusion"}, {1, "fusion"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.look);
        setTheme(c.look);
        EXPECT_EQ(styleName(window().采集按钮), c.style);
        EXPECT_EQ(styleName(window().搜索编辑框), c.style);
        const auto later = std::make_unique<QPushButton>();
        EXPECT_EQ(styleName(later.get()), c.style);
    }
}

TEST_F(WindowLifecycleTest, ClosingTheWindowEndsTheLoopAndRunsExitHooksOnce) {
    int hookRuns = 0;
    bool windowGoneForHook = false;
    QPointer<MainWindow> loaded = &window();
    registerExitHook([&] {
        ++hookRuns;
        windowGoneForHook = loaded.isNull();
    });
    QTimer::singleShot(0, &window(), [&] { window().close(); });
    EXPECT_EQ(runMessageLoop(), 0);
    EXPECT_EQ(hookRuns, 1);
    EXPECT_TRUE(windowGoneForHook);
    EXPECT_TRUE(loaded.isNull());
}

}  // namespace
