// Each event of the window runs the handler that the definition binds to it,
// and nothing else does.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <map>
#include <string>

#include "tests/ui/window_fixture.h"
#include "ui/result_list.h"
#include "ui/toolkit.h"

namespace {

class WindowEventsTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowHandlers handlers;
        handlers.onWindowCreated = [this] { record("onWindowCreated"); };
        handlers.onCollectClicked = [this] { record("onCollectClicked"); };
        handlers.onNextPageClicked = [this] { record("onNextPageClicked"); };
        handlers.onSearchClicked = [this] { record("onSearchClicked"); };
        handlers.onSupportButton1Clicked = [this] { record("onSupportButton1Clicked"); };
        handlers.onSupportButton2Clicked = [this] { record("onSupportButton2Clicked"); };
        handlers.onDownloadMenuSelected = [this] { record("onDownloadMenuSelected"); };
        handlers.onCopyLinkMenuSelected = [this] { record("onCopyLinkMenuSelected"); };
        handlers.onResultListRightClick = [this] {
            record("onResultListRightClick");
            rowAtRightClick = currentRow(window().超级列表框1);
        };
        handlers.onBrowserNavigate = [this](const std::string& address) {
            record("onBrowserNavigate");
            navigatedTo = address;
        };
        load(handlers);
        calls.clear();
    }

    void record(const std::string& handler) { ++calls[handler]; }

    std::map<std::string, int> calls;
    int rowAtRightClick = -2;
    std::string navigatedTo;
};

TEST_F(WindowEventsTest, CreatedEventIsRaisedOnceWhenTheControlsExist) {
    int created = 0;
    bool listExisted = false;
    WindowHandlers handlers;
    handlers.onWindowCreated = [&] {
        ++created;
        listExisted = mainWindow().超级列表框1 != nullptr && mainWindow().isVisible();
    };
    load(handlers);
    EXPECT_EQ(created, 1);
    EXPECT_TRUE(listExisted);
}

TEST_F(WindowEventsTest, ButtonsAndMenuItemsRunTheirOwnHandler) {
    struct Case {
        const char* handler;
        std::function<void(MainWindow&)> act;
    };
    const Case cases[] = {
        {"onCollectClicked", [](MainWindow& w) { QTest::mouseClick(w.采集按钮, Qt::LeftButton); }},
        {"onNextPageClicked",
         [](MainWindow& w) { QTest::mouseClick(w.下一页按钮, Qt::LeftButton); }},
        {"onSupportButton1Clicked",
         [](MainWindow& w) { QTest::mouseClick(w.按钮1, Qt::LeftButton); }},
        {"onSupportButton2Clicked",
         [](MainWindow& w) { QTest::mouseClick(w.按钮2, Qt::LeftButton); }},
        // Hidden, so it cannot be clicked with the mouse; its handler still works.
        {"onSearchClicked", [](MainWindow& w) { w.搜索按钮->click(); }},
        {"onDownloadMenuSelected", [](MainWindow& w) { w.迅雷下载->trigger(); }},
        {"onCopyLinkMenuSelected", [](MainWindow& w) { w.复制下载地址->trigger(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        calls.clear();
        c.act(window());
        EXPECT_EQ(calls, (std::map<std::string, int>{{c.handler, 1}}));
    }
}

TEST_F(WindowEventsTest, RightClickOnARowRaisesTheEventAfterSelectingIt) {
    fillLinks(window().超级列表框1, {"a", "b", "c"});
    clickRow(window().超级列表框1, 2, Qt::RightButton);
    EXPECT_EQ(calls, (std::map<std::string, int>{{"onResultListRightClick", 1}}));
    EXPECT_EQ(rowAtRightClick, 2);
}

TEST_F(WindowEventsTest, RightClickBelowTheRowsRaisesTheEventToo) {
    ResultList* list = window().超级列表框1;
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, {100, list->viewport()->height() - 5});
    EXPECT_EQ(calls["onResultListRightClick"], 1);
    EXPECT_EQ(rowAtRightClick, -1);
}

TEST_F(WindowEventsTest, LeftClicksDoubleClicksAndTypingRunNoHandler) {
    fillLinks(window().超级列表框1, {"a"});
    clickRow(window().超级列表框1, 0, Qt::LeftButton);
    QTest::mouseDClick(window().超级列表框1->viewport(), Qt::LeftButton, {},
                       window().超级列表框1->visualRect(window().超级列表框1->model()->index(0, 1)).center());
    QTest::keyClicks(window().搜索编辑框, "abc");
    QTest::keyClicks(window().页数编辑框, "7");
    EXPECT_TRUE(calls.empty());
}

TEST_F(WindowEventsTest, SettingTheAddressNavigatesAtOnce) {
    setAddress(window().超文本浏览框1, "magnet:?xt=urn:btih:abc");
    EXPECT_EQ(calls["onBrowserNavigate"], 1);
    EXPECT_EQ(navigatedTo, "magnet:?xt=urn:btih:abc");
    setAddress(window().超文本浏览框1, "");
    EXPECT_EQ(calls["onBrowserNavigate"], 2);
    EXPECT_EQ(navigatedTo, "");
}

}  // namespace
