// Result rows as the row pattern captures them from a decoded page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "regex/regex_object.h"

struct ResultRow {
    std::string updateTime;  // group 1
    std::string size;        // group 2
    std::string link;        // group 3
    std::string name;        // group 4
};

// Runs rowPattern over `decodedPage` (program text) with `regex`, every option
// at its default, exactly as the collect command does. The regex keeps the page.
void runRowPattern(RegexObject& regex, std::string decodedPage);

// The rows of the last run of `regex`, in page order.
std::vector<ResultRow> rowsOf(const RegexObject& regex);

// Decodes a fetched UTF-8 page, runs the row pattern and returns its rows.
std::vector<ResultRow> scanPage(RegexObject& regex, std::string_view utf8Page);
