// The window as a screen reader and a keyboard user meet it: what Qt's
// accessibility interfaces report for each control, and the tab stops.
#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <vector>

#include "build_config.h"
#include "tests/ui/window_fixture.h"
#include "ui/program_text.h"
#include "ui/toolkit.h"

using namespace Qt::StringLiterals;

namespace {

struct ReadCase {
    QString control;
    QAccessible::Role role;
    QString name;
};

std::vector<ReadCase> whatAScreenReaderReads() {
    const QString account1 = QString::fromUtf8(buildConfig::supportAccount1);
    const QString account2 = QString::fromUtf8(buildConfig::supportAccount2);
    // The notice is read as it is drawn: on one line.
    const QString notice = u"持续更新～   如发现有搜索不到的种子   请联系QQ："_s + account1 +
                           u"   官网："_s + QString::fromUtf8(buildConfig::makerSite);
    return {
        {u"标签2"_s, QAccessible::StaticText, u"状态"_s},
        {u"搜索按钮"_s, QAccessible::Button, u"搜索"_s},
        {u"搜索编辑框"_s, QAccessible::EditableText, u"搜索关键词"_s},
        {u"采集按钮"_s, QAccessible::Button, u"数据采集"_s},
        {u"下一页按钮"_s, QAccessible::Button, u"下一页"_s},
        {u"标签1"_s, QAccessible::StaticText, u"页数"_s},
        {u"页数编辑框"_s, QAccessible::EditableText, u"页数"_s},
        {u"按钮1"_s, QAccessible::Button, u"在线QQ客服01"_s},
        {u"按钮2"_s, QAccessible::Button, u"在线QQ客服02"_s},
        {u"标签4"_s, QAccessible::StaticText, u"加QQ第一时间获取最新动态"_s},
        {u"标签5"_s, QAccessible::StaticText, u"QQ："_s + account1},
        {u"标签6"_s, QAccessible::StaticText, u"QQ："_s + account2},
        {u"超级列表框1"_s, QAccessible::Table, u"搜索结果"_s},
        {u"标签3"_s, QAccessible::StaticText, notice},
        {u"超文本浏览框1"_s, QAccessible::Client, u"网页浏览框"_s},
    };
}

QAccessibleInterface* accessibleOf(QWidget* control) {
    return QAccessible::queryAccessibleInterface(control);
}

class AccessibilityTest : public WindowFixture {
protected:
    void SetUp() override { load({}); }
};

TEST_F(AccessibilityTest, EveryControlIsReadWithItsRoleAndName) {
    for (const ReadCase& want : whatAScreenReaderReads()) {
        SCOPED_TRACE(want.control.toStdString());
        auto* control = window().centralWidget()->findChild<QWidget*>(want.control);
        ASSERT_NE(control, nullptr);
        QAccessibleInterface* read = accessibleOf(control);
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->role(), want.role);
        EXPECT_EQ(read->text(QAccessible::Name).toStdString(), want.name.toStdString());
    }
}

// A control added to the window later must come with a name too.
TEST_F(AccessibilityTest, NoShownControlIsNameless) {
    const auto controls =
        window().centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(controls.size(), qsizetype(whatAScreenReaderReads().size()));
    for (QWidget* control : controls) {
        SCOPED_TRACE(control->objectName().toStdString());
        if (!control->isVisible()) continue;
        EXPECT_FALSE(accessibleOf(control)->text(QAccessible::Name).trimmed().isEmpty());
        EXPECT_FALSE(accessibleOf(control)->state().invisible);
    }
}

// The name follows the text, so a screen reader reads the time a search took;
// blank again, the line is read by what it shows.
TEST_F(AccessibilityTest, StatusLineIsReadByItsCurrentText) {
    QAccessibleInterface* status = accessibleOf(window().标签2);
    setText(window().标签2, programText(u8"用时 2 秒"));
    EXPECT_EQ(status->text(QAccessible::Name).toStdString(), "用时 2 秒");
    setText(window().标签2, "");
    EXPECT_EQ(status->text(QAccessible::Name).toStdString(), "状态");
}

TEST_F(AccessibilityTest, ShiftTabVisitsTheTabStopsBackwards) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    window().搜索编辑框->setFocus();
    const QWidget* const expected[] = {window().超级列表框1, window().按钮2,     window().按钮1,
                                       window().页数编辑框,  window().下一页按钮, window().采集按钮,
                                       window().搜索编辑框};
    for (const QWidget* previous : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), previous) << previous->objectName().toStdString();
        EXPECT_TRUE(accessibleOf(QApplication::focusWidget())->state().focused);
    }
}

}  // namespace
