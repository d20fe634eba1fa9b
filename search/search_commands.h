// The commands behind "数据采集", "下一页" and the hidden "搜索" button. Each runs
// to its end on the window thread; the request inside keeps the window painted
// through the installed wait hook but takes no input.
#pragma once

#include <string>

// The keyword segment for the text now in 搜索编辑框.
std::string encodeKeyword();

void onCollectClicked();
void onNextPageClicked();
void onSearchClicked();
