#include "ui/result_list.h"

#include <QHeaderView>
#include <QMouseEvent>

#include <array>

#include "ui/result_model.h"

namespace {

constexpr std::array<int, listColumnCount> columnWidths{0, 50, 130, 100, 400, 300};

}  // namespace

ResultList::ResultList(QWidget* parent) : QTableView(parent), model_(new ResultModel(this)) {
    setModel(model_);
    setUpColumns();
    setUpRows();
    setUpLook();
}

void ResultList::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton && viewport()->rect().contains(event->position().toPoint()))
        emit rightClicked();
}

void ResultList::setUpColumns() {
    QHeaderView* header = horizontalHeader();
    header->setSectionsMovable(true);
    header->setSectionsClickable(false);
    header->setSortIndicatorShown(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(0);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column < listColumnCount; ++column)
        header->resizeSection(column, columnWidths[column]);
    setSortingEnabled(false);
}

void ResultList::setUpRows() {
    QHeaderView* rows = verticalHeader();
    rows->hide();
    // One fixed height for every row, so the view never measures rows one by one.
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(0);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab moves on to the next control instead of walking the cells.
    setTabKeyNavigation(false);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Right clicks belong to the list's own event; no context menu of the parent.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void ResultList::setUpLook() {
    setShowGrid(true);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, QColor(255, 255, 255));
    colours.setColor(QPalette::Text, QColor(0, 0, 0));
    setPalette(colours);
}
