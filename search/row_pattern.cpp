#include "search/row_pattern.h"

// Indentation is part of the markup: 12 spaces on the first two cells, 3 tabs
// on the rest, as the site writes its result rows.
const std::string_view rowPattern =
    "<tr class=.*?>\n"
    "            <td><a href=\"/bt/\\d+.htm\" target=\"_blank\">(.*?)</a></td>\n"
    "            <td>(.*?)</td>\n"
    "\t\t\t<td><a href=\"/bt/\\d+.htm\" title=.*? target=\"_blank\">.*?</a></td>\n"
    "\t\t\t<td><a href=\"(.*?)\" title=\"(.*?)\" target=\"_blank\">.*?</a></td>\n"
    "\t\t\t</tr>";
