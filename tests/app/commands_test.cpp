#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <string>
#include <thread>

#include "search/search_globals.h"
#include "tests/app/app_fixture.h"
#include "tools/demo-site/demo_routes.h"
#include "tools/demo-site/demo_rows.h"
#include "tools/demo-site/result_page.h"
#include "ui/result_list.h"
#include "ui/toolkit.h"

namespace {

const std::string keyword = "老炮儿";
const std::string encodedKeyword = "/s/%E8%80%81%E7%82%AE%E5%84%BF";

std::string withEntities(std::string link) {
    for (size_t at = link.find('&'); at != std::string::npos; at = link.find('&', at + 1)) {
        link.insert(at + 1, "amp;");
    }
    return link;
}

bool isElapsedMessage(const std::string& text) {
    const std::string head = "此次采集共耗时";
    const std::string tail = "秒";
    return text.size() > head.size() + tail.size() && text.starts_with(head) &&
           text.ends_with(tail);
}

void serveDemo(httplib::Server& server) { addDemoRoutes(server); }

void serveSlowDemo(httplib::Server& server) {
    server.Get(R"(/s/.*)", [](const httplib::Request&, httplib::Response& response) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        response.set_content(resultPageHtml("老炮儿", 1, 20), "text/html; charset=utf-8");
    });
}

class CommandsTest : public AppFixture {
protected:
    int rows() { return rowCount(window().超级列表框1); }

    // Rows [first, first + 20) hold the demo site's page `page`, numbered on
    // from `first` + 1.
    void expectDemoRows(int first, int page, bool labelColumnFilled) {
        for (int i = 0; i < 20; ++i) {
            const int row = first + i;
            const DemoRow want = demoRow(keyword, page, i);
            EXPECT_EQ(cell(row, 1), std::to_string(row + 1));
            EXPECT_EQ(cell(row, 2), want.updateTime);
            EXPECT_EQ(cell(row, 3), want.size);
            EXPECT_EQ(cell(row, 4), want.name);
            EXPECT_EQ(cell(row, 5), withEntities(want.magnet));
            EXPECT_EQ(cell(row, 0), labelColumnFilled ? want.updateTime : "");
        }
    }
};

TEST_F(CommandsTest, StartState) {
    EXPECT_EQ(window().搜索编辑框->text().toStdString(), keyword);
    EXPECT_EQ(window().超级列表框1->model()->columnCount(), 6);
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(pageBox(), "");
    EXPECT_EQ(statusLine(), "");
    EXPECT_EQ(pageCounter, 0);
}

TEST_F(CommandsTest, CollectListsTheFirstPage) {
    serve(serveDemo);
    click(window().采集按钮);
    ASSERT_EQ(rows(), 20);
    expectDemoRows(0, 1, true);
    EXPECT_EQ(pageBox(), "1");
    EXPECT_TRUE(isElapsedMessage(statusLine())) << statusLine();
    EXPECT_EQ(requestedPaths(), std::vector<std::string>{encodedKeyword});
}

TEST_F(CommandsTest, NextPageAppendsAfterTheListedRows) {
    serve(serveDemo);
    click(window().采集按钮);
    click(window().下一页按钮);
    ASSERT_EQ(rows(), 40);
    expectDemoRows(0, 1, true);
    expectDemoRows(20, 1, false);
    EXPECT_EQ(pageBox(), "1");
    EXPECT_TRUE(isElapsedMessage(statusLine())) << statusLine();
    EXPECT_EQ(requestedPaths().back(), encodedKeyword + "/1");
}

TEST_F(CommandsTest, NextPageOnAnEmptyListNumbersFromOneAndWritesNoMessage) {
    serve(serveDemo);
    click(window().下一页按钮);
    ASSERT_EQ(rows(), 20);
    expectDemoRows(0, 1, false);
    EXPECT_EQ(pageBox(), "1");
    EXPECT_EQ(statusLine(), "");
}

TEST_F(CommandsTest, SecondCollectClearsButTheNextPageCountsOn) {
    serve(serveDemo);
    click(window().采集按钮);
    click(window().下一页按钮);
    click(window().下一页按钮);
    click(window().采集按钮);
    EXPECT_EQ(rows(), 20);
    EXPECT_EQ(pageBox(), "1");
    click(window().下一页按钮);
    EXPECT_EQ(requestedPaths().back(), encodedKeyword + "/3");
    EXPECT_EQ(pageBox(), "3");
    ASSERT_EQ(rows(), 40);
    expectDemoRows(20, 3, false);
}

TEST_F(CommandsTest, EditedKeywordIsWhatTheNextPageSearches) {
    serve(serveDemo);
    click(window().采集按钮);
    window().搜索编辑框->setText(QStringLiteral("a b"));
    click(window().下一页按钮);
    EXPECT_EQ(requestedPaths().back(), "/s/a%20b/1");
    EXPECT_EQ(rows(), 40);
}

TEST_F(CommandsTest, PageWithoutRows) {
    serve(serveDemo);
    click(window().采集按钮);
    pageCounter = 4;  // the demo site lists nothing from page 5 on
    click(window().下一页按钮);
    EXPECT_EQ(rows(), 20);
    EXPECT_EQ(pageBox(), "5");
    EXPECT_TRUE(isElapsedMessage(statusLine())) << "a non-empty list still gets the message";
}

TEST_F(CommandsTest, CollectWithZeroMatchesEmptiesTheList) {
    serve([](httplib::Server& server) {
        server.Get(R"(/s/.*)", [](const httplib::Request&, httplib::Response& response) {
            response.set_content("<html><body>nothing found</body></html>", "text/html");
        });
    });
    click(window().采集按钮);
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(pageBox(), "1");
    EXPECT_TRUE(isElapsedMessage(statusLine())) << statusLine();
}

TEST_F(CommandsTest, RefusedConnectionGivesAnEmptyListAndTheMessage) {
    serveNothing();
    click(window().采集按钮);
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(pageBox(), "1");
    EXPECT_TRUE(isElapsedMessage(statusLine())) << statusLine();
    EXPECT_EQ(pageSource, "");
}

TEST_F(CommandsTest, HiddenSearchButtonOnlyFetches) {
    serve(serveDemo);
    window().搜索按钮->click();
    EXPECT_EQ(requestedPaths(), std::vector<std::string>{encodedKeyword});
    EXPECT_NE(pageSource.find("<tr class="), std::string::npos);
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(pageBox(), "");
    EXPECT_EQ(statusLine(), "");
    EXPECT_EQ(pageCounter, 0);
}

TEST_F(CommandsTest, WindowPaintsButTakesNoInputWhileARequestRuns) {
    serve(serveSlowDemo);
    bool cursorWasBusy = false;
    QTimer::singleShot(500, &window(), [&] {
        const QCursor* cursor = QApplication::overrideCursor();
        cursorWasBusy = cursor != nullptr && cursor->shape() == Qt::WaitCursor;
        click(window().下一页按钮);  // must not start a second command
        click(window().采集按钮);
    });
    click(window().采集按钮);
    QApplication::processEvents();
    EXPECT_TRUE(cursorWasBusy);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(requestedPaths().size(), 1u);
    EXPECT_EQ(rows(), 20);
    EXPECT_EQ(pageCounter, 0);
}

TEST_F(CommandsTest, ClosingDuringARequestClosesTheWindowAfterIt) {
    serve(serveSlowDemo);
    QPointer<MainWindow> watched = &window();
    QTimer::singleShot(500, &window(), [&] { window().close(); });
    click(window().采集按钮);
    ASSERT_FALSE(watched.isNull()) << "the command still had the window when the request ended";
    EXPECT_EQ(rows(), 20);
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull());
}

}  // namespace
