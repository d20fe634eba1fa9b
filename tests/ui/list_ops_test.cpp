// The result list through the toolkit operations, and what the user does to it
// with the mouse.
#include <QHeaderView>
#include <QTest>

#include <string>
#include <vector>

#include "tests/ui/window_fixture.h"
#include "ui/result_list.h"
#include "ui/toolkit.h"

using namespace Qt::StringLiterals;

namespace {

class ListOpsTest : public WindowFixture {
protected:
    void SetUp() override { list = load({}).超级列表框1; }

    ResultList* list = nullptr;
};

TEST_F(ListOpsTest, InsertRowAppendsEmptyRowsAndReturnsTheirIndex) {
    EXPECT_EQ(insertRow(list), 0);
    setCellText(list, 0, 4, "first");
    EXPECT_EQ(insertRow(list), 1);
    EXPECT_EQ(rowCount(list), 2);
    EXPECT_EQ(getCellText(list, 0, 4), "first");
    EXPECT_EQ(getCellText(list, 1, 4), "");
}

TEST_F(ListOpsTest, CellsReadBackWholeAndOutsideTheListAsEmptyText) {
    fillLinks(list, {"magnet:?xt=urn:btih:aaa", "magnet:?xt=urn:btih:bbb"});
    setCellText(list, 1, 4, "\xC0\xCF\xC5\xDA\xB6\xF9.mkv");
    setCellText(list, 5, 4, "ignored");
    setCellText(list, 0, 6, "ignored");
    struct Case {
        int row, column;
        std::string want;
    };
    const Case cases[] = {
        {0, 5, "magnet:?xt=urn:btih:aaa"},
        {1, 5, "magnet:?xt=urn:btih:bbb"},
        {0, 1, "1"},
        {1, 1, "2"},
        {1, 4, "\xC0\xCF\xC5\xDA\xB6\xF9.mkv"},
        {0, 0, ""},
        {-1, 5, ""},
        {2, 5, ""},
        {5, 4, ""},
        {0, 6, ""},
        {0, -1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.row << "," << c.column);
        EXPECT_EQ(getCellText(list, c.row, c.column), c.want);
    }
    EXPECT_EQ(rowCount(list), 2);
    EXPECT_EQ(list->model()->index(1, 4).data().toString(), u"老炮儿.mkv"_s);
}

TEST_F(ListOpsTest, CurrentRowFollowsClicksOfEitherButton) {
    fillLinks(list, {"a", "b", "c"});
    EXPECT_EQ(currentRow(list), -1);
    clickRow(list, 2, Qt::LeftButton);
    EXPECT_EQ(currentRow(list), 2);
    clickRow(list, 0, Qt::RightButton);
    EXPECT_EQ(currentRow(list), 0);
    EXPECT_EQ(list->selectionModel()->selectedRows().size(), 1);
}

TEST_F(ListOpsTest, DoubleClickSelectsTheRow) {
    fillLinks(list, {"a", "b"});
    const QRect cell = list->visualRect(list->model()->index(1, 4));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(currentRow(list), 1);
    EXPECT_EQ(getCellText(list, 1, 5), "b");
}

TEST_F(ListOpsTest, DeleteAllRowsEmptiesTheListAndItsSelection) {
    fillLinks(list, {"a", "b"});
    clickRow(list, 1, Qt::LeftButton);
    deleteAllRows(list);
    EXPECT_EQ(rowCount(list), 0);
    EXPECT_EQ(currentRow(list), -1);
    EXPECT_EQ(getCellText(list, 1, 5), "");
    EXPECT_EQ(insertRow(list), 0);
}

TEST_F(ListOpsTest, DraggingAHeaderChangesOnlyTheDisplayOrder) {
    fillLinks(list, {"magnet:?xt=urn:btih:aaa"});
    QHeaderView* header = list->horizontalHeader();
    QWidget* strip = header->viewport();
    const int linkCentre = header->sectionViewportPosition(5) + header->sectionSize(5) / 2;
    const int numberCentre = header->sectionViewportPosition(1) + 5;
    const int y = header->height() / 2;
    QTest::mousePress(strip, Qt::LeftButton, {}, {linkCentre, y});
    for (int x = linkCentre; x > numberCentre; x -= 40) QTest::mouseMove(strip, {x, y});
    QTest::mouseMove(strip, {numberCentre, y});
    QTest::mouseRelease(strip, Qt::LeftButton, {}, {numberCentre, y});

    EXPECT_LT(header->visualIndex(5), header->visualIndex(4));
    EXPECT_EQ(list->model()->headerData(5, Qt::Horizontal).toString(), u"磁力链接"_s);
    EXPECT_EQ(getCellText(list, 0, 5), "magnet:?xt=urn:btih:aaa");
    EXPECT_EQ(getCellText(list, 0, 1), "1");
}

TEST_F(ListOpsTest, CellsAreYellowAndTheListIsWhiteBelowTheRows) {
    fillLinks(list, {"a"});
    const QImage image = list->viewport()->grab().toImage();
    const QRect cell = list->visualRect(list->model()->index(0, 4));
    EXPECT_EQ(image.pixelColor(cell.right() - 4, cell.center().y()), QColor(255, 255, 0));
    EXPECT_EQ(image.pixelColor(cell.center().x(), cell.bottom() + 20), QColor(255, 255, 255));
}

TEST_F(ListOpsTest, HundredThousandRowsFillAndScrollToTheLast) {
    std::vector<ListRow> rows(100'000);
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i].cells[1] = std::to_string(i + 1);
    appendRows(list, std::move(rows));
    const int row = insertRow(list);
    setCellText(list, row, 5, "magnet:?xt=urn:btih:last");
    list->scrollToBottom();
    QCoreApplication::processEvents();
    EXPECT_EQ(rowCount(list), 100'001);
    const QRect last = list->visualRect(list->model()->index(100'000, 1));
    EXPECT_TRUE(list->viewport()->rect().contains(last));
    EXPECT_EQ(getCellText(list, 99'999, 1), "100000");
}

}  // namespace
