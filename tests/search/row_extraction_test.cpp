#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "regex/regex_object.h"
#include "search/row_extraction.h"
#include "tests/search/row_markup.h"

namespace {

const RowFields first{"2024-01-02", "1.5 GB", "magnet:?xt=urn:btih:AAA&amp;dn=x", "first.mkv"};
const RowFields second{"2024-03-04", "700 MB", "magnet:?xt=urn:btih:BBB", "second.avi"};
const RowFields third{"2024-05-06", "12 KB", "magnet:?xt=urn:btih:CCC", "third.txt"};

void expectRow(const ResultRow& got, const RowFields& want) {
    EXPECT_EQ(got.updateTime, want.time);
    EXPECT_EQ(got.size, want.size);
    EXPECT_EQ(got.link, want.link);
    EXPECT_EQ(got.name, want.name);
}

TEST(ScanPage, FindsTheSiteRowsInPageOrderWithEntitiesUndecoded) {
    RegexObject regex;
    const auto rows = scanPage(regex, page(rowMarkup(first) + rowMarkup(second) + rowMarkup(third)));
    ASSERT_EQ(rows.size(), 3u);
    expectRow(rows[0], first);
    expectRow(rows[1], second);
    expectRow(rows[2], third);
    EXPECT_EQ(rows[0].link, "magnet:?xt=urn:btih:AAA&amp;dn=x");
}

TEST(ScanPage, ChineseNameArrivesInTheProgramCodePage) {
    RegexObject regex;
    const RowFields chinese{"2024", "1 MB", "magnet:?x", "\xE4\xB8\xAD\xE6\x96\x87.mp4"};
    const auto rows = scanPage(regex, page(rowMarkup(chinese)));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, "\xD6\xD0\xCE\xC4.mp4");
}

TEST(ScanPage, CarriageReturnLineEndsGiveNoRow) {
    RegexObject regex;
    EXPECT_TRUE(scanPage(regex, page(rowMarkup(first, "\r\n") + rowMarkup(second, "\r\n"))).empty());
}

TEST(ScanPage, CapitalTagAndAttributeNamesAreFound) {
    std::string row = rowMarkup(first);
    for (auto [from, to] : {std::pair{"<tr class", "<TR CLASS"}, {"<td>", "<TD>"},
                            {"</td>", "</TD>"}, {"<a href", "<A HREF"}, {"</a>", "</A>"},
                            {"</tr>", "</TR>"}, {" title=", " TITLE="}, {" target=", " TARGET="}}) {
        for (size_t at = row.find(from); at != std::string::npos; at = row.find(from, at)) {
            row.replace(at, std::string(from).size(), to);
        }
    }
    RegexObject regex;
    const auto rows = scanPage(regex, page(row));
    ASSERT_EQ(rows.size(), 1u);
    expectRow(rows[0], first);
}

TEST(ScanPage, LineBreakInsideACapturedValueSkipsOnlyThatRow) {
    const RowFields broken{"2024-\n01-02", "1 GB", "magnet:?broken", "broken.mkv"};
    RegexObject regex;
    const auto rows = scanPage(regex, page(rowMarkup(broken) + rowMarkup(second)));
    ASSERT_EQ(rows.size(), 1u);
    expectRow(rows[0], second);
}

TEST(ScanPage, PageWithoutRowsGivesNone) {
    RegexObject regex;
    EXPECT_TRUE(scanPage(regex, "<html><body>nothing found</body></html>").empty());
    EXPECT_TRUE(scanPage(regex, "").empty());
}

}  // namespace
