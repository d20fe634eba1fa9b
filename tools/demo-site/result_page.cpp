#include "tools/demo-site/result_page.h"

#include "tools/demo-site/demo_rows.h"

namespace {

constexpr int rowsPerPage = 20;
constexpr int lastPage = 4;

// Six lines: the first bare, two indented by 12 spaces, three by 3 tabs.
// The collect command's row pattern spells this layout out byte for byte.
std::string rowHtml(const DemoRow& row, int index)
{
    const std::string detail = "/bt/" + row.detailId + ".htm";
    const std::string name = htmlEscaped(row.name);
    std::string html = index % 2 == 0 ? "<tr class=\"odd\">\n" : "<tr class=\"even\">\n";
    html += "            <td><a href=\"" + detail + "\" target=\"_blank\">" + row.updateTime + "</a></td>\n";
    html += "            <td>" + row.size + "</td>\n";
    html += "\t\t\t<td><a href=\"" + detail + "\" title=\"" + name + "\" target=\"_blank\">" + name + "</a></td>\n";
    html += "\t\t\t<td><a href=\"" + htmlEscaped(row.magnet) + "\" title=\"" + name +
            "\" target=\"_blank\">磁力链接</a></td>\n";
    html += "\t\t\t</tr>\n";
    return html;
}

std::string pageHead(std::string_view title)
{
    return "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
           htmlEscaped(title) + "</title>\n</head>\n<body>\n";
}

std::string resultTable(std::string_view keyword, int page, int rowCount)
{
    std::string html =
        "<table class=\"data-list\">\n<thead>\n<tr><th>更新时间</th><th>文件大小</th>"
        "<th>文件名称</th><th>磁力链接</th></tr>\n</thead>\n<tbody>\n";
    for (int i = 0; i < rowCount; ++i)
        html += rowHtml(demoRow(keyword, page, i), i);
    if (rowCount == 0)
        html += "<tr><td colspan=\"4\">没有找到相关资源</td></tr>\n";
    return html + "</tbody>\n</table>\n";
}

}  // namespace

int demoRowCount(int page)
{
    return page >= 1 && page <= lastPage ? rowsPerPage : 0;
}

std::string resultPageHtml(std::string_view keywordUtf8, int page, int rowCount)
{
    const std::string title = std::string(keywordUtf8) + " - 种子搜索 - 第" + std::to_string(page) + "页";
    return pageHead(title) + "<h1>" + htmlEscaped(keywordUtf8) + " 的搜索结果</h1>\n" +
           resultTable(keywordUtf8, page, rowCount) + "</body>\n</html>\n";
}

std::string demoPageHtml(std::string_view keywordUtf8, int page)
{
    return resultPageHtml(keywordUtf8, page, keywordUtf8.empty() ? 0 : demoRowCount(page));
}

std::string notFoundHtml()
{
    return pageHead("404 Not Found") + "<h1>404 Not Found</h1>\n<p>页面不存在。</p>\n</body>\n</html>\n";
}

std::string htmlEscaped(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}
