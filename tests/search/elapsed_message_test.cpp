#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "search/elapsed_message.h"
#include "text/codepage.h"

namespace {

struct Case {
    uint32_t start;
    uint32_t end;
    const char* wantUtf8;
};

TEST(ElapsedMessage, SecondsFormattedWithThirteenSignificantDigits) {
    const Case cases[] = {
        {1000, 1000, "此次采集共耗时0秒"},
        {1000, 1016, "此次采集共耗时0.016秒"},
        {1000, 1050, "此次采集共耗时0.05秒"},
        {1000, 2234, "此次采集共耗时1.234秒"},
        {1000, 3000, "此次采集共耗时2秒"},
        {1000, 62234, "此次采集共耗时61.234秒"},
        {0xFFFFFF00u, 0x00000100u, "此次采集共耗时0.512秒"},  // tick counter wrapped
        {0xFFFFFFFFu, 0x00000000u, "此次采集共耗时0.001秒"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gbkToUtf8(elapsedMessage(c.start, c.end)), c.wantUtf8) << c.start << "->" << c.end;
    }
}

TEST(ElapsedMessage, IsProgramText) {
    // 此 is B4 CB in the program's code page.
    EXPECT_EQ(elapsedMessage(0, 0).substr(0, 2), "\xB4\xCB");
}

}  // namespace
