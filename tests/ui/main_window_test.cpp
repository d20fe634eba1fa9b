// The window as loaded: frame, controls, list columns, menu and tab order,
// checked against the window definition.
#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <optional>

#include "build_config.h"
#include "tests/ui/window_fixture.h"
#include "ui/one_line_label.h"
#include "ui/result_list.h"
#include "ui/toolkit.h"

using namespace Qt::StringLiterals;

namespace {

const QColor red(255, 0, 0);
const QColor black(0, 0, 0);

struct ControlCase {
    QString name;
    const char* kind;
    QRect place;
    std::optional<QString> text;
    std::optional<QColor> textColour;
    bool shown;
};

std::vector<ControlCase> windowDefinition() {
    const QString account1 = QString::fromUtf8(buildConfig::supportAccount1);
    const QString account2 = QString::fromUtf8(buildConfig::supportAccount2);
    const QString notice = u"持续更新～\r\n   如发现有搜索不到的种子\r\n   请联系QQ："_s + account1 +
                           u"\r\n   官网："_s + QString::fromUtf8(buildConfig::makerSite);
    return {
        {u"标签2"_s, "QLabel", {17, 8, 272, 24}, u""_s, red, true},
        {u"搜索按钮"_s, "QPushButton", {304, 3, 96, 32}, u"搜索"_s, {}, false},
        {u"搜索编辑框"_s, "QLineEdit", {8, 40, 288, 32}, u"老炮儿"_s, black, true},
        {u"采集按钮"_s, "QPushButton", {304, 40, 96, 32}, u"数据采集"_s, {}, true},
        {u"下一页按钮"_s, "QPushButton", {408, 40, 96, 32}, u"下一页"_s, {}, true},
        {u"标签1"_s, "QLabel", {534, 40, 32, 32}, u"页数"_s, black, true},
        {u"页数编辑框"_s, "QLineEdit", {576, 40, 72, 32}, u""_s, black, true},
        {u"按钮1"_s, "QPushButton", {656, 17, 96, 56}, u"在线QQ客服01"_s, {}, true},
        {u"按钮2"_s, "QPushButton", {761, 16, 96, 56}, u"在线QQ客服02"_s, {}, true},
        {u"标签4"_s, "QLabel", {864, 10, 152, 64}, u"加QQ第一时间获取最新动态"_s, red, true},
        {u"标签5"_s, "QLabel", {892, 13, 88, 16}, u"QQ："_s + account1, red, true},
        {u"标签6"_s, "QLabel", {893, 53, 88, 16}, u"QQ："_s + account2, red, true},
        {u"超级列表框1"_s, "QTableView", {8, 88, 1008, 400}, {}, {}, true},
        {u"标签3"_s, "QLabel", {263, 489, 545, 15}, notice, red, true},
        {u"超文本浏览框1"_s, "BrowserBox", {792, 336, 32, 40}, {}, {}, false},
    };
}

QString captionOf(const QWidget* control) {
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    if (auto* editBox = qobject_cast<const QLineEdit*>(control)) return editBox->text();
    return {};
}

QColor textColourOf(const QWidget* control) {
    const auto role = qobject_cast<const QLineEdit*>(control) ? QPalette::Text : QPalette::WindowText;
    return control->palette().color(role);
}

class MainWindowTest : public WindowFixture {
protected:
    void SetUp() override { load({}); }
};

TEST_F(MainWindowTest, ControlsFollowTheWindowDefinition) {
    for (const ControlCase& want : windowDefinition()) {
        SCOPED_TRACE(want.name.toStdString());
        const auto* control = window().centralWidget()->findChild<QWidget*>(want.name);
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(control->inherits(want.kind));
        EXPECT_EQ(control->geometry(), want.place);
        EXPECT_EQ(control->isVisible(), want.shown);
        if (want.text) {
            EXPECT_EQ(captionOf(control), *want.text);
        }
        if (want.textColour) {
            EXPECT_EQ(textColourOf(control), *want.textColour);
        }
    }
}

TEST_F(MainWindowTest, FrameHasTitleAndFixedSizeAndNoMaximiseBox) {
    EXPECT_EQ(window().windowTitle(), u"Vantrel 【Orlimex】"_s);
    EXPECT_EQ(window().minimumSize(), window().maximumSize());
    const Qt::WindowFlags flags = window().windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(MainWindowTest, ClientAreaLiesBelowTheMenuBar) {
    const QWidget* client = window().centralWidget();
    EXPECT_EQ(client->size(), QSize(1030, 505));
    EXPECT_EQ(client->geometry().top(), window().menuBar()->geometry().bottom() + 1);
    EXPECT_EQ(window().height(), window().menuBar()->height() + 505);
    EXPECT_EQ(window().width(), 1030);
}

TEST_F(MainWindowTest, OpensCentredOnTheScreen) {
    const QRect screen = window().screen()->geometry();
    const QRect frame = window().frameGeometry();
    EXPECT_EQ(frame.x(), screen.x() + (screen.width() - frame.width()) / 2);
    EXPECT_EQ(frame.y(), screen.y() + (screen.height() - frame.height()) / 2);
}

TEST_F(MainWindowTest, MenuBarHoldsTheRowMenu) {
    const QList<QAction*> entries = window().menuBar()->actions();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0]->text(), u"右键菜单"_s);
    EXPECT_EQ(entries[0]->menu(), window().右键菜单);
    QStringList items;
    for (const QAction* item : window().右键菜单->actions()) {
        EXPECT_TRUE(item->isEnabled());
        EXPECT_FALSE(item->isCheckable());
        EXPECT_TRUE(item->shortcut().isEmpty());
        items << item->text();
    }
    EXPECT_EQ(items, (QStringList{u"迅雷下载"_s, u"复制下载地址"_s}));
}

TEST_F(MainWindowTest, ResultListHasSixLeftAlignedColumnsAndNoRows) {
    const ResultList* list = window().超级列表框1;
    const QStringList titles{u""_s, u"序号"_s, u"更新时间"_s, u"文件大小"_s, u"文件名称"_s,
                             u"磁力链接"_s};
    const int widths[] = {0, 50, 130, 100, 400, 300};
    ASSERT_EQ(list->model()->columnCount(), 6);
    for (int column = 0; column < 6; ++column) {
        SCOPED_TRACE(column);
        EXPECT_EQ(list->model()->headerData(column, Qt::Horizontal).toString(), titles[column]);
        EXPECT_EQ(list->horizontalHeader()->sectionSize(column), widths[column]);
        EXPECT_FALSE(list->horizontalHeader()->isSectionHidden(column));
        const auto alignment = list->model()->headerData(column, Qt::Horizontal,
                                                         Qt::TextAlignmentRole);
        EXPECT_TRUE(alignment.value<Qt::Alignment>().testFlag(Qt::AlignLeft));
    }
    EXPECT_EQ(rowCount(list), 0);
    EXPECT_TRUE(list->verticalHeader()->isHidden());
}

TEST_F(MainWindowTest, ResultListSelectsWholeSingleRowsAndNeverSorts) {
    const ResultList* list = window().超级列表框1;
    EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_FALSE(list->isSortingEnabled());
    EXPECT_TRUE(list->horizontalHeader()->sectionsMovable());
    EXPECT_FALSE(list->horizontalHeader()->sectionsClickable());
    EXPECT_FALSE(list->horizontalHeader()->isSortIndicatorShown());
    EXPECT_TRUE(list->showGrid());
    EXPECT_EQ(list->frameShadow(), QFrame::Sunken);
}

TEST_F(MainWindowTest, StatusLabelIsBoldSixteenPixelsInACjkFont) {
    const QFontInfo font(window().标签2->font());
    EXPECT_TRUE(font.family() == u"SimSun"_s || font.family() == u"宋体"_s ||
                font.family() == u"WenQuanYi Micro Hei"_s)
        << font.family().toStdString();
    EXPECT_EQ(font.pixelSize(), 16);
    EXPECT_TRUE(font.bold());
}

TEST_F(MainWindowTest, CaptionsFitTheirControls) {
    for (const auto* label : window().findChildren<OneLineLabel*>()) {
        SCOPED_TRACE(label->objectName().toStdString());
        const QFontMetrics metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(label->displayText()), label->width());
        EXPECT_LE(metrics.height(), label->height());
    }
    for (const auto* button : window().findChildren<QPushButton*>()) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_LE(button->sizeHint().width(), button->width());
    }
}

// The notice holds line breaks; drawn on one line, its later lines appear to the
// right of the first instead of below it.
TEST_F(MainWindowTest, LabelDrawsItsLineBreaksOnOneLine) {
    OneLineLabel* notice = window().标签3;
    EXPECT_TRUE(notice->text().contains(u"\r\n"_s));
    const QImage image = notice->grab().toImage();
    int rightmostRed = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.red() > 200 && pixel.green() < 80 && pixel.blue() < 80)
                rightmostRed = std::max(rightmostRed, x);
        }
    const int firstLineWidth = QFontMetrics(notice->font()).horizontalAdvance(u"持续更新～"_s);
    EXPECT_GT(rightmostRed, firstLineWidth * 3);
}

TEST_F(MainWindowTest, TabVisitsButtonsEditBoxesAndListInDefinitionOrder) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    window().搜索编辑框->setFocus();
    const QWidget* const expected[] = {window().采集按钮, window().下一页按钮, window().页数编辑框,
                                       window().按钮1,    window().按钮2,     window().超级列表框1,
                                       window().搜索编辑框};
    for (const QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

}  // namespace
