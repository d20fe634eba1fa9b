// The pages a hostile site sends, each with the rows it holds and what the
// program must make of every row.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// One result row as the page writes it, and what must become of it.
struct PageRow {
    std::string updateTime;
    std::string size;
    std::string name;       // the title text as sent (UTF-8 bytes, maybe broken)
    std::string link;       // the href text as sent, entities and all
    std::string shownName;  // what the name cell must read, as UTF-8
    bool listed = true;     // false for a row the page itself loses (after a zero byte)
    bool handedOver = true; // whether "迅雷下载" may pass the link to the opener
};

struct HostilePage {
    std::string html;           // the page as the site means it, before any transfer encoding
    std::vector<PageRow> rows;  // every row written into html, in page order
};

// The keyword the window starts with; the site answers any keyword.
inline constexpr std::string_view pageKeyword = "老炮儿";

// Each page is built on first use and kept for the whole run, so a large one
// is built once however often it is served.
const HostilePage& goodPage();               // 20 well-formed rows, the good next page
const HostilePage& demoPage();               // 20 other well-formed rows
const HostilePage& brokenUtf8Page();         // invalid UTF-8 inside names
const HostilePage& zeroBytePage();           // a zero byte inside row 11
const HostilePage& twentyThousandRowsPage(); // 20,000 rows
const HostilePage& sixtyMegabytePage();      // 60 MiB: rows, filler, rows
const HostilePage& fiveMegabyteLinePage();   // one 5 MiB line of row starts
const HostilePage& unclosedRowTagsPage();    // 2 MiB of "<tr class=" and no '>'
const HostilePage& koreanAndEmojiPage();     // names beyond the BMP and beyond GBK
const HostilePage& unsafeLinksPage();        // file:, bare paths, '-' links and a magnet
