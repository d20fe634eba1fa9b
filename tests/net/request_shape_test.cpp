// What leaves the program: method, address, headers in order, body.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "net/fetch_url.h"
#include "net_test_support.h"
#include "raw_request.h"
#include "raw_server.h"

namespace {

using Headers = std::vector<std::pair<std::string, std::string>>;

// Headers the HTTP client adds by itself; every other header is one we set.
const std::set<std::string> clientHeaders = {"Host", "User-Agent", "Accept", "Accept-Encoding"};

const Headers getHeaders = {{"Content-Type", "text/XML"}, {"Accept-Language", "zh-cn"}};

Headers postHeaders(std::string length)
{
    return {{"Content-Type", "application/x-www-form-urlencoded"},
            {"Content-Length", std::move(length)},
            {"Accept-Language", "zh-cn"}};
}

Headers ownHeaders(const RawRequest& request)
{
    Headers own;
    std::copy_if(request.headers.begin(), request.headers.end(), std::back_inserter(own),
                 [](const auto& header) { return !clientHeaders.contains(header.first); });
    return own;
}

std::multiset<std::string> clientHeaderNames(const RawRequest& request)
{
    std::multiset<std::string> names;
    for (const auto& [name, value] : request.headers) {
        if (clientHeaders.contains(name))
            names.insert(name);
    }
    return names;
}

std::string headerValue(const RawRequest& request, const std::string& name)
{
    for (const auto& [headerName, value] : request.headers) {
        if (headerName == name)
            return value;
    }
    return {};
}

class RequestShapeTest : public NetTest {
protected:
    RawServer server{[](RawConnection& connection) {
        if (!connection.readRequest().empty())
            connection.send(rawResponse("200 OK", "Content-Length: 2\r\n", "ok"));
    }};

    RawRequest send(const std::string& target, std::string_view method, std::string_view body)
    {
        EXPECT_EQ(fetchUrl(server.url(target), method, body), "ok");
        const auto requests = server.requests();
        return requests.empty() ? RawRequest{} : parseRawRequest(requests.back());
    }
};

TEST_F(RequestShapeTest, MethodHeadersAndBodyLeaveExactlyAsSet)
{
    struct Case {
        std::string_view method;
        std::string_view body;
        std::string wantMethod;
        Headers wantHeaders;
        std::string wantBody;
    };
    // Past 1 MiB libcurl would add "Expect: 100-continue" unless told not to.
    const std::string large((1 << 20) + 1, 'x');
    const Case cases[] = {
        {"", "", "GET", getHeaders, ""},
        {"GET", "", "GET", getHeaders, ""},
        {"post", "abc", "POST", postHeaders("3"), "abc"},
        {"POST", "", "POST", postHeaders("0"), ""},
        {"pOsT", "a=1&b=%E4%B8%AD", "POST", postHeaders("15"), "a=1&b=%E4%B8%AD"},
        {"Post", "\xd6\xd0", "POST", postHeaders("2"), "\xd6\xd0"},  // bytes, not characters
        {"post", std::string_view("ab\0cd", 5), "POST", postHeaders("2"), "ab"},
        {"post", large, "POST", postHeaders(std::to_string(large.size())), large},
        {"put", "abc", "GET", getHeaders, ""},
        {"HEAD", "", "GET", getHeaders, ""},
        {"posts", "", "GET", getHeaders, ""},
        {" post", "", "GET", getHeaders, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "method '" << c.method << "' body of " << c.body.size() << " bytes");
        const RawRequest request = send("/s/%E4%B8%AD", c.method, c.body);
        EXPECT_EQ(request.method, c.wantMethod);
        EXPECT_EQ(request.target, "/s/%E4%B8%AD");
        EXPECT_EQ(request.version, "HTTP/1.1");
        EXPECT_EQ(ownHeaders(request), c.wantHeaders);
        EXPECT_EQ(clientHeaderNames(request), std::multiset<std::string>(clientHeaders.begin(), clientHeaders.end()));
        EXPECT_EQ(request.body, c.wantBody);
    }
}

TEST_F(RequestShapeTest, ClientHeadersLookLikeABrowserThatTakesGzipAndDeflate)
{
    const RawRequest request = send("/", "", "");
    EXPECT_EQ(headerValue(request, "Host"), server.url("").substr(std::string("http://").size()));
    EXPECT_EQ(headerValue(request, "User-Agent").rfind("Mozilla/5.0 (", 0), 0u);
    EXPECT_EQ(headerValue(request, "Accept"), "*/*");
    EXPECT_EQ(headerValue(request, "Accept-Encoding"), "gzip, deflate");
}

TEST_F(RequestShapeTest, AddressGoesOutUnchanged)
{
    // Addresses as keyword encoding makes them: bytes 0x21 to 0x7A stay as
    // they are, everything else is already %XX.
    const std::string targets[] = {
        "/s/abc%20def/2",
        "/s/a+b/c?d",
        "/s/x%7By%7D%7E",
        "/s/../x/./y",
        "/s/%41%25!$&'()*,;=:@_",
        "/s//2",
    };
    for (const std::string& target : targets) {
        SCOPED_TRACE(target);
        EXPECT_EQ(send(target, "", "").target, target);
    }
}

}  // namespace
