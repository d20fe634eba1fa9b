#include "search/search_commands.h"

#include <QLineEdit>

#include <cstdint>

#include "net/fetch_url.h"
#include "search/elapsed_message.h"
#include "search/keyword_encoding.h"
#include "search/row_extraction.h"
#include "search/row_filling.h"
#include "search/search_address.h"
#include "search/search_globals.h"
#include "text/codepage.h"
#include "ui/main_window.h"
#include "ui/one_line_label.h"
#include "ui/toolkit.h"

namespace {

// Decodes the page just fetched and leaves its rows in resultRegex.
void matchPageSource() {
    runRowPattern(*resultRegex, utf8ToGbk(pageSource));
}

}  // namespace

std::string encodeKeyword() {
    return encodeKeywordBytes(getText(mainWindow().搜索编辑框));
}

void onCollectClicked() {
    MainWindow& window = mainWindow();
    setText(window.标签2, "");
    const uint32_t start = tickCount();
    deleteAllRows(window.超级列表框1);
    pageSource = fetchUrl(firstPageAddress(encodeKeyword()));
    matchPageSource();
    fillRows(window.超级列表框1, 0, FillKind::Collect);
    setText(window.页数编辑框, "1");
    setText(window.标签2, elapsedMessage(start, tickCount()));
}

void onNextPageClicked() {
    MainWindow& window = mainWindow();
    setText(window.标签2, "");
    const uint32_t start = tickCount();
    // Wraps instead of overflowing, should anyone press it two billion times.
    pageCounter = static_cast<int32_t>(static_cast<uint32_t>(pageCounter) + 1);
    setText(window.页数编辑框, std::to_string(pageCounter));
    const int existing = rowCount(window.超级列表框1);
    pageSource = fetchUrl(pageAddress(encodeKeyword(), pageCounter));
    matchPageSource();
    fillRows(window.超级列表框1, existing, FillKind::NextPage);
    if (existing >= 1) setText(window.标签2, elapsedMessage(start, tickCount()));
}

void onSearchClicked() {
    pageSource = fetchUrl(firstPageAddress(encodeKeyword()));
}
