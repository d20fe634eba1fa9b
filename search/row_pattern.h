// The one regular expression that picks a result row out of the site's page.
#pragma once

#include <string_view>

// Six lines joined by line feeds; groups: 1 update time, 2 size, 3 magnet link,
// 4 file name. Lines 2-3 are indented by 12 spaces, lines 4-6 by 3 tabs, as the
// site writes them.
extern const std::string_view rowPattern;
