#include "search/row_extraction.h"

#include <utility>

#include "search/row_pattern.h"
#include "text/codepage.h"

void runRowPattern(RegexObject& regex, std::string decodedPage) {
    regex.create(rowPattern, std::move(decodedPage));
}

std::vector<ResultRow> rowsOf(const RegexObject& regex) {
    const int32_t count = regex.matchCount();
    std::vector<ResultRow> rows;
    rows.reserve(static_cast<size_t>(count));
    for (int32_t i = 1; i <= count; ++i) {
        rows.push_back({regex.subMatchText(i, 1), regex.subMatchText(i, 2),
                        regex.subMatchText(i, 3), regex.subMatchText(i, 4)});
    }
    return rows;
}

std::vector<ResultRow> scanPage(RegexObject& regex, std::string_view utf8Page) {
    runRowPattern(regex, utf8ToGbk(utf8Page));
    return rowsOf(regex);
}
