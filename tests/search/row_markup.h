// Result rows written the way the site writes them, for the row-scan tests.
#pragma once

#include <string>

struct RowFields {
    std::string time, size, link, name;
};

// One result row as the site writes it (UTF-8, LF line ends unless given).
inline std::string rowMarkup(const RowFields& f, const std::string& lineEnd = "\n") {
    return "<tr class=\"odd\">" + lineEnd +
           "            <td><a href=\"/bt/123.htm\" target=\"_blank\">" + f.time + "</a></td>" +
           lineEnd + "            <td>" + f.size + "</td>" + lineEnd +
           "\t\t\t<td><a href=\"/bt/123.htm\" title=\"" + f.name + "\" target=\"_blank\">" +
           f.name + "</a></td>" + lineEnd + "\t\t\t<td><a href=\"" + f.link + "\" title=\"" +
           f.name + "\" target=\"_blank\">link</a></td>" + lineEnd + "\t\t\t</tr>" + lineEnd;
}

// Rows inside the rest of a page.
inline std::string page(const std::string& rows) {
    return "<html><body><table>\n" + rows + "</table></body></html>\n";
}
