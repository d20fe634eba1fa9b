// What comes back: the body as sent, whatever the status, cut at its first
// zero byte, decompressed; and one handle and connection across requests.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "http_server.h"
#include "net/fetch_url.h"
#include "net/request_slots.h"
#include "net_test_support.h"
#include "raw_server.h"

namespace {

using namespace std::string_view_literals;

class ResponseTest : public NetTest {};

TEST_F(ResponseTest, ErrorStatusGivesTheBodyTheServerSent)
{
    const std::string notFound = "<html><body><h1>404 Not Found</h1></body></html>";
    HttpServer server([&](httplib::Server& s) {
        s.Get("/missing", [&](const httplib::Request&, httplib::Response& r) {
            r.status = 404;
            r.set_content(notFound, "text/html");
        });
        s.Get("/broken", [](const httplib::Request&, httplib::Response& r) {
            r.status = 500;
            r.set_content("server error", "text/plain");
        });
    });
    EXPECT_EQ(fetchUrl(server.url("/missing")), notFound);
    EXPECT_EQ(fetchUrl(server.url("/broken")), "server error");
}

TEST_F(ResponseTest, BodyEndsAtItsFirstZeroByte)
{
    struct Case {
        std::string_view sent;
        std::string_view want;
    };
    const Case cases[] = {
        {"\x61\x62\x00\x63\x64"sv, "ab"},
        {"\x00\x61\x62"sv, ""},
        {"abc\x00"sv, "abc"},
        {"abcd"sv, "abcd"},
        {""sv, ""},
    };
    std::string body;
    HttpServer server([&](httplib::Server& s) {
        s.Get("/", [&](const httplib::Request&, httplib::Response& r) { r.set_content(body, "text/plain"); });
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::string(c.sent)));
        body = c.sent;
        EXPECT_EQ(fetchUrl(server.url("/")), c.want);
    }
}

TEST_F(ResponseTest, CompressedBodyComesBackDecoded)
{
    // Compressed with Python's gzip.compress(mtime=0) and zlib.compress.
    struct Case {
        std::string_view encoding;
        std::string_view sent;
        std::string_view want;
    };
    const Case cases[] = {
        {"gzip",
         "\x1f\x8b\x08\x00\x00\x00\x00\x00\x02\x03\xb3\xc9\x28\xc9\xcd\xb1\x7b\xb2\x63\xad\x42\x7a\x55\x66"
         "\x81\x42\x41\x62\x7a\xaa\x8d\x3e\x58\x0c\x00\x4f\x77\x30\x73\x1a\x00\x00\x00"sv,
         "<html>\xe4\xb8\xad gzip page</html>"},
        {"deflate",
         "\x78\x9c\xb3\xc9\x28\xc9\xcd\xb1\x4b\x49\x4d\xcb\x49\x2c\x49\x55\x28\x48\x4c\x4f\xb5\xd1\x07\x0b"
         "\x01\x00\x78\x3b\x09\x20"sv,
         "<html>deflate page</html>"},
    };
    // A raw server, so the bytes go out exactly as given: cpp-httplib would
    // compress a text body again for a client that accepts gzip.
    const Case* current = nullptr;
    RawServer server([&](RawConnection& connection) {
        if (connection.readRequest().empty())
            return;
        const std::string headers = "Content-Encoding: " + std::string(current->encoding) +
                                    "\r\nContent-Length: " + std::to_string(current->sent.size()) + "\r\n";
        connection.send(rawResponse("200 OK", headers, current->sent));
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.encoding);
        current = &c;
        EXPECT_EQ(fetchUrl(server.url("/")), c.want);
    }
}

TEST_F(ResponseTest, LaterRequestsReuseTheHandleAndItsConnection)
{
    std::vector<int> clientPorts;
    HttpServer server([&](httplib::Server& s) {
        s.Get("/", [&](const httplib::Request& q, httplib::Response& r) {
            clientPorts.push_back(q.remote_port);
            r.set_content("page", "text/html");
        });
    });
    EXPECT_EQ(fetchUrl(server.url("/")), "page");
    CURL* const first = httpObject.get();
    EXPECT_EQ(fetchUrl(server.url("/")), "page");

    ASSERT_NE(first, nullptr);
    EXPECT_EQ(httpObject.get(), first);
    ASSERT_EQ(clientPorts.size(), 2u);
    EXPECT_EQ(clientPorts[0], clientPorts[1]);  // same client socket: one connection
}

TEST_F(ResponseTest, RequestAfterReleaseMakesANewHandle)
{
    HttpServer server([&](httplib::Server& s) {
        s.Get("/", [](const httplib::Request&, httplib::Response& r) { r.set_content("page", "text/html"); });
    });
    EXPECT_EQ(fetchUrl(server.url("/")), "page");
    releaseHttpObject();
    EXPECT_EQ(httpObject, nullptr);
    EXPECT_EQ(fetchUrl(server.url("/")), "page");
    EXPECT_NE(httpObject, nullptr);
}

TEST_F(ResponseTest, PostKeepsMethodAndBodyAcrossARedirect)
{
    // Our own Content-Length goes out on every hop, so the body must too.
    HttpServer server([&](httplib::Server& s) {
        s.Post("/form", [](const httplib::Request&, httplib::Response& r) { r.set_redirect("/landing", 302); });
        s.Post("/landing", [](const httplib::Request& q, httplib::Response& r) {
            r.set_content("posted " + q.body, "text/plain");
        });
    });
    EXPECT_EQ(fetchUrl(server.url("/form"), "post", "abc"), "posted abc");
}

}  // namespace
