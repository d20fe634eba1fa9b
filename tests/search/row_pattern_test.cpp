#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "search/row_pattern.h"

namespace {

struct Line {
    std::string_view indent;
    std::string_view text;
    size_t bytesWithoutLineFeed;
};

// The site's row markup, line by line, with the byte counts it was designed to.
TEST(RowPattern, IsTheSixLinesOfTheRowMarkup) {
    const std::string_view spaces12 = "            ";
    const std::string_view tabs3 = "\t\t\t";
    const Line lines[] = {
        {"", "<tr class=.*?>", 14},
        {spaces12, R"row(<td><a href="/bt/\d+.htm" target="_blank">(.*?)</a></td>)row", 68},
        {spaces12, "<td>(.*?)</td>", 26},
        {tabs3, R"row(<td><a href="/bt/\d+.htm" title=.*? target="_blank">.*?</a></td>)row", 67},
        {tabs3, R"row(<td><a href="(.*?)" title="(.*?)" target="_blank">.*?</a></td>)row", 65},
        {tabs3, "</tr>", 8},
    };
    std::string want;
    for (const Line& line : lines) {
        EXPECT_EQ(line.indent.size() + line.text.size(), line.bytesWithoutLineFeed) << line.text;
        if (!want.empty()) want += '\n';
        want += line.indent;
        want += line.text;
    }
    EXPECT_EQ(want.size(), 253u);
    EXPECT_EQ(rowPattern, want);
}

}  // namespace
