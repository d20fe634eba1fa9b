// The HTML pages of the demo site, as pure functions of their address.
#pragma once

#include <string>
#include <string_view>

// Rows the site lists on `page` (the first-page address counts as page 1):
// 20 on pages 1 to 4, none on any other page.
int demoRowCount(int page);

// A result page for `keywordUtf8` holding `rowCount` rows in the site's row
// markup (UTF-8, LF line ends). Benchmarks ask for any row count.
std::string resultPageHtml(std::string_view keywordUtf8, int page, int rowCount);

// The page the site answers `/s/<keyword>` and `/s/<keyword>/<page>` with.
std::string demoPageHtml(std::string_view keywordUtf8, int page);

// `text` with & < > " written as character references, as the site writes
// names into its markup.
std::string htmlEscaped(std::string_view text);

// The page for any other address.
std::string notFoundHtml();
