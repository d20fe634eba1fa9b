// The row actions on the real window: the right-click popup, the clipboard and
// the browser box, reached from the list and from the menu bar.
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "actions/action_handlers.h"
#include "tests/ui/window_fixture.h"
#include "ui/browser_box.h"
#include "ui/result_list.h"
#include "ui/toolkit.h"
#include "ui/window_created.h"

using namespace Qt::StringLiterals;

namespace {

constexpr const char* link1 = "magnet:?xt=urn:btih:1111111111111111111111111111111111111111";
constexpr const char* link2 = "magnet:?xt=urn:btih:2222222222222222222222222222222222222222";

class RowActionsTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowHandlers handlers;
        handlers.onWindowCreated = onWindowCreated;
        addActionHandlers(handlers);
        list = load(handlers).超级列表框1;
        QGuiApplication::clipboard()->setText(u"before"_s);
    }

    // Runs `step` inside the popup's own loop once it is open, then closes it if
    // `step` left it open.
    void whilePopupOpen(std::function<void(QMenu*)> step) {
        QTimer::singleShot(0, list, [step = std::move(step)] {
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!popup) return;
            step(popup);
            if (popup->isVisible()) popup->close();
        });
    }

    ResultList* list = nullptr;
};

TEST_F(RowActionsTest, RightClickOnARowWithALinkOpensTheMenuAtTheCursor) {
    fillLinks(list, {link1, link2});
    QSignalSpy shown(window().右键菜单, &QMenu::aboutToShow);
    const QPoint cursor(200, 150);
    QCursor::setPos(cursor);
    QMenu* popupSeen = nullptr;
    QPoint popupAt;
    whilePopupOpen([&](QMenu* popup) {
        popupSeen = popup;
        popupAt = popup->pos();
    });
    clickRow(list, 1, Qt::RightButton);
    EXPECT_EQ(shown.count(), 1);
    EXPECT_EQ(popupSeen, window().右键菜单);
    EXPECT_EQ(popupAt, cursor);
    EXPECT_EQ(cursorPosition(), cursor);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(RowActionsTest, RightClickWithoutALinkShowsNoMenu) {
    fillLinks(list, {link1, ""});
    QSignalSpy shown(window().右键菜单, &QMenu::aboutToShow);
    whilePopupOpen([](QMenu*) {});
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, {100, list->viewport()->height() - 5});
    EXPECT_EQ(currentRow(list), -1);
    clickRow(list, 1, Qt::RightButton);
    EXPECT_EQ(currentRow(list), 1);
    EXPECT_EQ(shown.count(), 0);
}

TEST_F(RowActionsTest, ChoosingCopyInThePopupCopiesTheClickedRowsLink) {
    fillLinks(list, {link1, link2});
    whilePopupOpen([](QMenu* popup) {
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    });
    clickRow(list, 1, Qt::RightButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromLatin1(link2));
}

TEST_F(RowActionsTest, CopyFromTheMenuBarUsesTheCurrentRow) {
    fillLinks(list, {link1, "magnet:?dn=\xC0\xCF\xC5\xDA"});
    clickRow(list, 1, Qt::LeftButton);
    window().复制下载地址->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"magnet:?dn=老炮"_s);
}

TEST_F(RowActionsTest, CopyWithoutARowLeavesAnEmptyText) {
    fillLinks(list, {link1});
    window().复制下载地址->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u""_s);
}

TEST_F(RowActionsTest, DownloadSetsTheBrowserBoxToTheLinkAsItIs) {
    fillLinks(list, {link1, "http://127.0.0.1:8765/not-a-magnet"});
    clickRow(list, 1, Qt::LeftButton);
    window().迅雷下载->trigger();
    EXPECT_EQ(window().超文本浏览框1->address(), "http://127.0.0.1:8765/not-a-magnet");
    deleteAllRows(list);
    window().迅雷下载->trigger();
    EXPECT_EQ(window().超文本浏览框1->address(), "");
}

}  // namespace
