// The demo site serves result pages whose rows the collect command's row
// pattern finds.

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "http_server.h"
#include "net/fetch_url.h"
#include "net_test_support.h"
#include "regex/regex_object.h"
#include "search/row_extraction.h"
#include "tools/demo-site/demo_routes.h"
#include "tools/demo-site/result_page.h"

namespace {

// The rows the collect command finds on a fetched page: decoded to program
// text and matched with the row pattern.
std::vector<ResultRow> rowsOf(const std::string& utf8Page)
{
    RegexObject regex;
    return scanPage(regex, utf8Page);
}

class DemoSiteTest : public NetTest {
protected:
    HttpServer site{addDemoRoutes};
};

TEST_F(DemoSiteTest, PagesHoldTwentyRowsUpToPageFour)
{
    struct Case {
        std::string_view target;
        std::size_t rows;
    };
    const Case cases[] = {
        {"/s/%E8%80%81%E7%82%AE%E5%84%BF", 20},  // 老炮儿, first-page address
        {"/s/%E4%B8%AD", 20},
        {"/s/%E4%B8%AD/1", 20},
        {"/s/%E4%B8%AD/2", 20},
        {"/s/%E4%B8%AD/4", 20},
        {"/s/%E4%B8%AD/5", 0},
        {"/s/%E4%B8%AD/0", 0},
        {"/s/%E4%B8%AD/99999999999999999999", 0},
        {"/s/abc%20def/3", 20},
        {"/s/a+b/c", 20},
        {"/s/", 0},
        {"/s//2", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        const std::string page = fetchUrl(site.url(std::string(c.target)));
        EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
        EXPECT_EQ(rowsOf(page).size(), c.rows);
    }
}

TEST_F(DemoSiteTest, RowsAreMadeFromTheDecodedKeyword)
{
    const std::regex magnet("magnet:\\?xt=urn:btih:[0-9a-f]{40}&amp;dn=[%0-9A-Za-z._~-]+");
    const std::regex size("[0-9]+\\.[0-9]+ [MG]B");
    const std::regex time("20[0-9]{2}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}");
    const std::string keyword = "\xc0\xcf\xc5\xda\xb6\xf9";  // 老炮儿 in GB18030
    const std::vector<ResultRow> rows = rowsOf(fetchUrl(site.url("/s/%E8%80%81%E7%82%AE%E5%84%BF/2")));
    ASSERT_EQ(rows.size(), 20u);
    for (const ResultRow& row : rows) {
        SCOPED_TRACE(row.link);
        EXPECT_NE(row.name.find(keyword), std::string::npos);
        EXPECT_TRUE(std::regex_match(row.link, magnet)) << row.link;
        EXPECT_TRUE(std::regex_match(row.size, size)) << row.size;
        EXPECT_TRUE(std::regex_match(row.updateTime, time)) << row.updateTime;
    }
}

TEST_F(DemoSiteTest, SameAddressGivesTheSamePage)
{
    const std::string first = fetchUrl(site.url("/s/%E4%B8%AD/2"));
    EXPECT_EQ(fetchUrl(site.url("/s/%E4%B8%AD/2")), first);
    EXPECT_NE(fetchUrl(site.url("/s/%E4%B8%AD/3")), first);
    EXPECT_EQ(resultPageHtml("中", 2, 20), first);
}

TEST_F(DemoSiteTest, KeywordWithMarkupCharactersIsEscaped)
{
    const std::vector<ResultRow> rows = rowsOf(fetchUrl(site.url("/s/a%22%3Cb%3E%26c")));  // a"<b>&c
    ASSERT_EQ(rows.size(), 20u);
    for (const ResultRow& row : rows)
        EXPECT_NE(row.name.find("a&quot;&lt;b&gt;&amp;c"), std::string::npos) << row.name;
}

TEST_F(DemoSiteTest, OtherAddressesGetA404Page)
{
    httplib::Client client("127.0.0.1", site.port());
    for (const char* path : {"/", "/s", "/bt/1234567.htm", "/search?q=x"}) {
        SCOPED_TRACE(path);
        const auto response = client.Get(path);
        ASSERT_TRUE(response);
        EXPECT_EQ(response->status, 404);
        EXPECT_NE(response->body.find("<html"), std::string::npos);
        EXPECT_EQ(fetchUrl(site.url(path)), response->body);
    }
}

TEST(ResultPageHtml, HoldsTheRowsAskedFor)
{
    for (int count : {0, 1, 20, 137}) {
        SCOPED_TRACE(count);
        EXPECT_EQ(rowsOf(resultPageHtml("中", 1, count)).size(), static_cast<std::size_t>(count));
    }
}

}  // namespace
