#include <gtest/gtest.h>

#include <string>

#include "build_config.h"
#include "search/search_address.h"

namespace {

TEST(SearchAddress, BaseIsHttpHostAndTheSegmentS) {
    EXPECT_EQ(searchBase(), std::string("http://") + buildConfig::searchHost + "/s/");
}

TEST(SearchAddress, FirstPageAndPageN) {
    const std::string base = searchBase();
    EXPECT_EQ(firstPageAddress("abc%20def"), base + "abc%20def");
    EXPECT_EQ(pageAddress("abc%20def", 2), base + "abc%20def/2");
    EXPECT_EQ(pageAddress("x", 10), base + "x/10");
}

TEST(SearchAddress, EmptyKeywordIsJoinedLikeAnyOther) {
    const std::string base = searchBase();
    EXPECT_EQ(firstPageAddress(""), base);
    EXPECT_EQ(pageAddress("", 3), base + "/3");
}

}  // namespace
