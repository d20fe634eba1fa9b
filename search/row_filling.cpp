#include "search/row_filling.h"

#include <string>
#include <utility>
#include <vector>

#include "search/row_extraction.h"
#include "search/search_globals.h"
#include "ui/toolkit.h"

void fillRows(ResultList* list, int existing, FillKind kind) {
    std::vector<ResultRow> found = rowsOf(*resultRegex);
    if (found.empty()) return;
    std::vector<ListRow> rows;
    rows.reserve(found.size());
    int number = existing;
    for (ResultRow& row : found) {
        ListRow listRow;
        if (kind == FillKind::Collect) listRow.cells[0] = row.updateTime;
        listRow.cells[1] = std::to_string(++number);
        listRow.cells[2] = std::move(row.updateTime);
        listRow.cells[3] = std::move(row.size);
        listRow.cells[4] = std::move(row.name);
        listRow.cells[5] = std::move(row.link);
        rows.push_back(std::move(listRow));
    }
    // One insertion for the whole page: a page may bring tens of thousands of rows.
    appendRows(list, std::move(rows));
}
