#include <QItemSelectionModel>

#include <algorithm>
#include <utility>

#include "ui/result_list.h"
#include "ui/result_model.h"
#include "ui/toolkit.h"

void deleteAllRows(ResultList* list) {
    list->resultModel().removeAllRows();
}

int insertRow(ResultList* list) {
    return list->resultModel().appendRow();
}

void appendRows(ResultList* list, std::vector<ListRow> rows) {
    list->resultModel().appendRows(std::move(rows));
}

void setCellText(ResultList* list, int row, int column, std::string_view text) {
    list->resultModel().setCell(row, column, std::string(text));
}

std::string getCellText(const ResultList* list, int row, int column) {
    return list->resultModel().cell(row, column);
}

int rowCount(const ResultList* list) {
    return list->resultModel().rowCount();
}

int currentRow(const ResultList* list) {
    const QModelIndexList selected = list->selectionModel()->selectedRows();
    if (selected.isEmpty()) return -1;
    const auto first = std::min_element(
        selected.begin(), selected.end(),
        [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    return first->row();
}
