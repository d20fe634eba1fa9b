// Which texts from a page may be handed to a registered handler.
#include <gtest/gtest.h>

#include <string_view>

#include "actions/link_policy.h"

namespace {

struct Case {
    std::string_view link;
    bool handedOver;
};

const Case cases[] = {
    {"magnet:?xt=urn:btih:0123456789abcdef0123456789abcdef01234567&dn=a", true},
    {"http://127.0.0.1:8765/s/x", true},
    {"https://example.com/", true},
    {"tencent://Message/?Uin=10000001", true},
    {"ed2k://|file|a.mkv|1|0123|/", true},
    {"x-custom+scheme.v2-1:payload", true},
    {"MAGNET:?xt=urn:btih:abc", true},
    {"magnet:", true},
    // The scheme ends at the first ':'; what follows it is the handler's business.
    {"magnet:\xC0\xCF\xC5\xDA", true},
    {"file:///etc/passwd", false},
    {"FILE:/x", false},
    {"File://localhost/etc/passwd", false},
    {"file:", false},
    {"/etc/passwd", false},
    {"./run.sh", false},
    {"~/notes.txt", false},
    {"relative/path:with-colon", false},
    {"-e", false},
    {"--help", false},
    {"-x:payload", false},
    {"", false},
    {":", false},
    {"://host", false},
    {"9p:thing", false},
    {"+x:thing", false},
    // A link is taken exactly as the cell holds it: blanks before the scheme are
    // not trimmed away, so such a text is no absolute URL.
    {" magnet:?xt=urn:btih:abc", false},
    {"\tmagnet:?xt=urn:btih:abc", false},
    {"mag net:?xt", false},
    {"magnet", false},
    // GB18030 text in place of the scheme.
    {"\xC0\xCF\xC5\xDA:abc", false},
};

TEST(LinkPolicy, OnlyAbsoluteNonFileUrlsAreHandedOver) {
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.link));
        EXPECT_EQ(isHandOffLink(c.link), c.handedOver);
    }
}

}  // namespace
