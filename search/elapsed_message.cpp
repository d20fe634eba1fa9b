#include "search/elapsed_message.h"

#include <chrono>
#include <cstdio>

#include "text/codepage.h"

uint32_t tickCount() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

std::string elapsedMessage(uint32_t startTicks, uint32_t endTicks) {
    const auto elapsedMs = static_cast<int32_t>(endTicks - startTicks);
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.13g", elapsedMs / 1000.0);
    return utf8ToGbk("此次采集共耗时") + seconds + utf8ToGbk("秒");
}
