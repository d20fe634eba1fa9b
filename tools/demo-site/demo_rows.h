// The made-up search results of the demo site.
#pragma once

#include <string>
#include <string_view>

// One result as the site lists it. Texts are UTF-8, not yet HTML-escaped.
struct DemoRow {
    std::string detailId;    // digits of the detail page "/bt/<id>.htm"
    std::string updateTime;  // "YYYY-MM-DD hh:mm:ss"
    std::string size;        // "1.37 GB", "734.5 MB"
    std::string name;        // file name made from the keyword
    std::string magnet;      // "magnet:?xt=urn:btih:<40 hex>&dn=<name percent-encoded>"
};

// Result number `index` (0-based) of page `page` for `keywordUtf8`. The same
// arguments give the same row on every run and every machine.
DemoRow demoRow(std::string_view keywordUtf8, int page, int index);
