// Links leave the program through the desktop's handler registry: a magnet link
// from a row and the support chat links reach the registered program, local
// files never reach xdg-open.
#include <QApplication>
#include <QDeadlineTimer>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include "actions/action_handlers.h"
#include "build_config.h"
#include "tests/actions/xdg_sandbox.h"
#include "tests/ui/window_fixture.h"
#include "ui/result_list.h"
#include "ui/toolkit.h"
#include "ui/window_created.h"

namespace {

using Links = std::vector<std::string>;

constexpr const char* magnetLink =
    "magnet:?xt=urn:btih:0123456789abcdef0123456789abcdef01234567&dn=Vantrel+demo";

Links since(Links lines, std::size_t skipped) {
    lines.erase(lines.begin(), lines.begin() + std::ptrdiff_t(skipped));
    return lines;
}

class HandOffTest : public WindowFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(xdgSandbox().hasOpener())
            << "xdg-open is missing: install the Debian package xdg-utils";
        WindowHandlers handlers;
        handlers.onWindowCreated = onWindowCreated;
        addActionHandlers(handlers);
        list = load(handlers).超级列表框1;
        handedBefore = xdgSandbox().handedLinks().size();
        callsBefore = xdgSandbox().openerCalls().size();
    }

    // The links handed to the handler since the test began, once `count` have
    // arrived. Each launch runs in processes of its own, so this waits for them,
    // up to a bound that only a stuck machine reaches.
    Links handedOnceArrived(std::size_t count) {
        const QDeadlineTimer bound(30'000);
        Links links;
        do {
            QCoreApplication::processEvents();
            links = since(xdgSandbox().handedLinks(), handedBefore);
            if (links.size() >= count) break;
            QThread::msleep(50);
        } while (!bound.hasExpired());
        return links;
    }

    Links openerCallsSoFar() const { return since(xdgSandbox().openerCalls(), callsBefore); }

    void downloadRow(int row) {
        clickRow(list, row, Qt::LeftButton);
        window().迅雷下载->trigger();
    }

    ResultList* list = nullptr;
    std::size_t handedBefore = 0;
    std::size_t callsBefore = 0;
};

TEST_F(HandOffTest, DownloadFromThePopupHandsTheMagnetLinkToItsHandler) {
    fillLinks(list, {magnetLink});
    QTimer::singleShot(0, list, [] {
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup) return;
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    });
    clickRow(list, 0, Qt::RightButton);
    EXPECT_EQ(handedOnceArrived(1), Links{magnetLink});
}

// The local files are offered first. A call of xdg-open records itself as it
// starts, long before a later magnet link can have reached its handler, so once
// the magnet link has arrived, the opener's record is complete for the files.
TEST_F(HandOffTest, LocalFilesNeverReachTheOpener) {
    const std::string file = xdgSandbox().localFile().toStdString();
    const std::string fileUrl = "file://" + file;
    const std::string upperCaseFileUrl = "FILE:" + file;
    fillLinks(list, {fileUrl.c_str(), file.c_str(), upperCaseFileUrl.c_str(), magnetLink});
    for (int row = 0; row < 4; ++row) downloadRow(row);
    EXPECT_EQ(handedOnceArrived(1), Links{magnetLink});
    EXPECT_EQ(openerCallsSoFar(), Links{magnetLink});
}

TEST_F(HandOffTest, EachSupportButtonOpensItsOwnChatLink) {
    QTest::mouseClick(window().按钮1, Qt::LeftButton);
    const Links first = handedOnceArrived(1);
    QTest::mouseClick(window().按钮2, Qt::LeftButton);
    const Links both = handedOnceArrived(2);
    // Host names are case-insensitive, and the URL layer writes them in lower case.
    const std::string prefix = "tencent://message/?Uin=";
    EXPECT_EQ(first, Links{prefix + buildConfig::supportAccount1});
    EXPECT_EQ(both, (Links{prefix + buildConfig::supportAccount1,
                           prefix + buildConfig::supportAccount2}));
}

}  // namespace
