// The row scan over the UTF-8 page as it lies must give scanPage's rows, or
// nothing when it cannot be sure to.
#include "search/utf8_row_scan.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "regex/regex_object.h"
#include "search/row_extraction.h"
#include "tests/search/row_markup.h"
#include "text/codepage.h"
#include "text/utf8.h"
#include "tools/demo-site/result_page.h"

namespace {

// A row whose name and link are what a case is about.
std::string rowMarkup(const std::string& name, const std::string& link = "magnet:?xt=urn:btih:A") {
    return rowMarkup(RowFields{"2024-01-02", "1.5 GB", link, name});
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

using Fields = std::vector<std::string>;  // time, size, link, name per row, in a row

Fields slowRowsInUtf8(std::string_view page) {
    RegexObject regex;
    Fields out;
    for (const ResultRow& row : scanPage(regex, page)) {
        for (const std::string* cell : {&row.updateTime, &row.size, &row.link, &row.name}) {
            out.push_back(gbkToUtf8(*cell));
        }
    }
    return out;
}

Fields directRows(const Utf8Rows& rows) {
    Fields out;
    for (size_t i = 0; i < rows.size(); ++i) {
        const Utf8Row row = rows[i];
        for (std::string_view cell : {row.updateTime, row.size, row.link, row.name}) {
            out.emplace_back(cell);
        }
    }
    return out;
}

struct PageCase {
    const char* what;
    std::string page;
    bool direct;  // the direct scan can vouch for its rows
    size_t rows;  // rows either scan finds
};

const PageCase pageCases[] = {
    {"ASCII rows", rowMarkup("a.mkv") + rowMarkup("b.avi", "magnet:?x&amp;dn=b"), true, 2},
    {"Chinese, Korean and emoji names",
     rowMarkup("中文.mp4") + rowMarkup("한국어 \xF0\x9F\x98\x80.mkv"), true, 2},
    {"capital tags", replaceAll(rowMarkup("a"), "<tr class", "<TR CLASS"), true, 1},
    {"Kelvin sign and long s fold to ASCII letters",
     replaceAll(replaceAll(rowMarkup("k"), "_blank", "_blan\xE2\x84\xAA"), "class", "clas\xC5\xBF"),
     true, 1},
    {"uppercase Kelvin sign and long s",
     replaceAll(replaceAll(rowMarkup("K"), "_blank", "_BLAN\xE2\x84\xAA"), "class", "CLA\xC5\xBFS"),
     true, 1},
    // Each `.*?` is searched on to the next place its closing text can start.
    {"> inside the row's class", replaceAll(rowMarkup("a"), "\"odd\"", "\"a>b\" x>"), true, 1},
    {"closing tags inside a name",
     rowMarkup("x</a>y</td>z") + rowMarkup("a</a></td>b\" target=\"_blank\">"), true, 2},
    {"closing quote inside a link", rowMarkup("n", "magnet:?a\" title=\"b"), true, 1},
    {"spaces and target= inside a name", rowMarkup("a target=\"_blank\"> b  c"), true, 1},
    {"a character for the dot of the page address",
     replaceAll(rowMarkup("a"), "123.htm", "12中htm") +
         replaceAll(rowMarkup("b"), "123.htm", "1234htm") +
         replaceAll(rowMarkup("c"), "123.htm", "12\xF0\x9F\x98\x80htm") +
         replaceAll(rowMarkup("d"), "123.htm", "123\nhtm"),
     true, 3},
    {"CRLF line ends", replaceAll(rowMarkup("a") + rowMarkup("b"), "\n", "\r\n"), true, 0},
    {"line break inside a name", rowMarkup("a\nb") + rowMarkup("c"), true, 1},
    {"zero byte between rows (scanPage cuts there)",
     rowMarkup("a") + std::string(1, '\0') + rowMarkup("b"), false, 1},
    {"empty page", "", true, 0},
    {"private-use character the code page lacks", rowMarkup("a\xEE\x9E\x8D"), false, 1},
    {"invalid UTF-8 in a name",
     rowMarkup("a\xFF"
               "b") +
         rowMarkup("c"),
     false, 2},
    {"cut sequence at the end", rowMarkup("a") + "\xE4\xB8", false, 1},
};

TEST(ScanUtf8Page, GivesScanPageRowsOrNothing) {
    for (const PageCase& c : pageCases) {
        const std::optional<Utf8Rows> rows = scanUtf8Page(c.page);
        EXPECT_EQ(rows.has_value(), c.direct) << c.what;
        const Fields slow = slowRowsInUtf8(c.page);
        EXPECT_EQ(slow.size(), 4 * c.rows) << c.what;
        if (rows) {
            EXPECT_EQ(directRows(*rows), slow) << c.what;
        }
    }
}

// Pieces of the markup and characters the two scans could tell apart.
const char* const markupPieces[] = {"<",
                                    ">",
                                    "\"",
                                    " ",
                                    "\n",
                                    "\t",
                                    "</a>",
                                    "</td>",
                                    "</a></td>\n",
                                    "\" title=\"",
                                    " target=\"_blank\">",
                                    "title=",
                                    "htm",
                                    ".",
                                    "7",
                                    "中",
                                    "\xF0\x9F\x98\x80",
                                    "\xC5\xBF",
                                    "\xE2\x84\xAA",
                                    "K",
                                    "S",
                                    "<tr class=\"odd\">\n",
                                    "\t\t\t</tr>"};

bool startsCharacter(const std::string& text, size_t at) {
    return at >= text.size() || !isUtf8Trail(static_cast<unsigned char>(text[at]));
}

// A row with a few pieces put in or characters taken out at random places,
// always between characters, so that the page stays valid UTF-8.
std::string editedRow(std::mt19937& random) {
    std::string row = rowMarkup("name.mkv", "magnet:?xt=urn:btih:A&amp;dn=x");
    const int edits = std::uniform_int_distribution<int>(0, 3)(random);
    for (int e = 0; e < edits; ++e) {
        size_t at = std::uniform_int_distribution<size_t>(0, row.size())(random);
        while (!startsCharacter(row, at)) --at;
        if (random() % 3 == 0) {
            size_t end = at + 1;
            while (!startsCharacter(row, end)) ++end;
            row.erase(at, std::min(end, row.size()) - at);
        } else {
            row.insert(at, markupPieces[random() % std::size(markupPieces)]);
        }
    }
    return row;
}

TEST(ScanUtf8Page, RandomlyEditedRowsGiveScanPageRows) {
    std::mt19937 random(20261211);
    for (int trial = 0; trial < 3000; ++trial) {
        std::string rows;
        for (int r = 0; r < 3; ++r) rows += editedRow(random);
        const std::string text = page(rows);
        const std::optional<Utf8Rows> direct = scanUtf8Page(text);
        ASSERT_TRUE(direct) << text;
        ASSERT_EQ(directRows(*direct), slowRowsInUtf8(text)) << text;
    }
}

TEST(ScanUtf8Page, BigPageSearchedInPartsGivesEveryRowInOrder) {
    // About 3 MB: more than one part wherever there is more than one core.
    const std::string page = resultPageHtml("测试", 1, 5000);
    const std::optional<Utf8Rows> rows = scanUtf8Page(page);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 5000u);
    EXPECT_EQ(directRows(*rows), slowRowsInUtf8(page));
}

}  // namespace
