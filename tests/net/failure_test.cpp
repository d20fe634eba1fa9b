// Every way a request can fail ends in an empty text, within its bound, and
// leaves the handle fit for the next request.

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "closed_port.h"
#include "http_server.h"
#include "net/fetch_url.h"
#include "net_test_support.h"
#include "raw_server.h"

namespace {

using std::chrono::milliseconds;

constexpr std::size_t bodyBound = 4096;
constexpr long redirectBound = 3;

// A loopback port with a listening socket whose accept queue is full and
// never drained: the kernel drops further SYNs, so a connect never completes.
class FullBacklog {
public:
    FullBacklog()
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        listenFd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (bind(listenFd_, reinterpret_cast<sockaddr*>(&address), length) != 0 || listen(listenFd_, 0) != 0 ||
            getsockname(listenFd_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            throw std::runtime_error("cannot listen on loopback");
        port_ = ntohs(address.sin_port);
        for (int& filler : fillers_) {
            filler = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
            connect(filler, reinterpret_cast<sockaddr*>(&address), length);
        }
    }
    ~FullBacklog()
    {
        for (int filler : fillers_)
            close(filler);
        close(listenFd_);
    }
    FullBacklog(const FullBacklog&) = delete;
    FullBacklog& operator=(const FullBacklog&) = delete;

    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }

private:
    int listenFd_ = -1;
    int fillers_[2] = {-1, -1};
    int port_ = 0;
};

void addRoutes(httplib::Server& s, const std::string& ftpAddress)
{
    s.Get("/fine", [](const httplib::Request&, httplib::Response& r) { r.set_content("fine", "text/plain"); });
    s.Get("/loop", [](const httplib::Request&, httplib::Response& r) { r.set_redirect("/loop"); });
    s.Get("/to-ftp", [ftpAddress](const httplib::Request&, httplib::Response& r) { r.set_redirect(ftpAddress); });
    s.Get("/to-file", [](const httplib::Request&, httplib::Response& r) { r.set_redirect("file:///etc/hostname"); });
    s.Get(R"(/hops/(\d+))", [](const httplib::Request& q, httplib::Response& r) {
        const int left = std::stoi(q.matches[1].str());
        if (left == 0)
            r.set_content("arrived", "text/plain");
        else
            r.set_redirect("/hops/" + std::to_string(left - 1));
    });
    // Both kinds of body are binary, so the server does not compress them.
    s.Get(R"(/sized/(\d+))", [](const httplib::Request& q, httplib::Response& r) {
        r.set_content(std::string(std::stoul(q.matches[1].str()), 'x'), "application/octet-stream");
    });
    s.Get(R"(/chunked/(\d+))", [](const httplib::Request& q, httplib::Response& r) {
        const std::size_t size = std::stoul(q.matches[1].str());
        r.set_chunked_content_provider("application/octet-stream", [size](std::size_t, httplib::DataSink& sink) {
            const std::string piece(1024, 'x');
            for (std::size_t sent = 0; sent < size; sent += piece.size())
                sink.write(piece.data(), std::min(piece.size(), size - sent));
            sink.done();
            return true;
        });
    });
}

class FailureTest : public NetTest {
protected:
    void SetUp() override
    {
        NetTest::SetUp();
        RequestBounds bounds = requestBounds();
        bounds.maxBodyBytes = bodyBound;
        bounds.maxRedirects = redirectBound;
        setRequestBounds(bounds);
    }

    // Counts the connections of a client that would follow an ftp: address.
    RawServer ftpTrap{[](RawConnection&) {}};
    const std::string ftpAddress = "ftp://127.0.0.1:" + std::to_string(ftpTrap.port()) + "/x";
    HttpServer site{[this](httplib::Server& s) { addRoutes(s, ftpAddress); }};
    RawServer silent{[](RawConnection& c) {
        c.readRequest();
        c.holdUntilStopped();
    }};
    RawServer stallsMidBody{[](RawConnection& c) {
        c.readRequest();
        c.send(rawResponse("200 OK", "Content-Length: 1000\r\n", "first bytes"));
        c.holdUntilStopped();
    }};
    // A byte every 200 ms: never a stall, but the page would take minutes.
    RawServer trickles{[](RawConnection& c) {
        c.readRequest();
        c.send("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n");
        for (int i = 0; i < 1000 && c.send("x"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }};
    RawServer shortBody{[](RawConnection& c) {
        c.readRequest();
        c.send(rawResponse("200 OK", "Content-Length: 1000\r\n", "only these bytes"));
    }};
    FullBacklog fullBacklog;
};

TEST_F(FailureTest, EndsInEmptyTextWithinItsBound)
{
    const milliseconds immediate{0};
    const milliseconds connect = connectBound;
    // The stall check runs about once a second.
    const milliseconds stall = stallBound + std::chrono::seconds(1);
    const milliseconds timeout{400};
    struct Case {
        std::string_view what;
        std::string url;
        std::uint32_t timeoutMs;
        milliseconds bound;
    };
    const Case cases[] = {
        {"refused connection", "http://127.0.0.1:" + std::to_string(closedPort()) + "/", 0, immediate},
        {"unresolvable host", "http://no-such-host.invalid/", 0, connect},
        {"empty address", "", 0, immediate},
        {"scheme only", "http://", 0, immediate},
        {"not an address", "no such address", 0, immediate},
        {"port out of range", "http://127.0.0.1:99999/", 0, immediate},
        {"unclosed IPv6 bracket", "http://[::1/", 0, immediate},
        {"ftp address", ftpAddress, 0, immediate},
        {"file address", "file:///etc/hostname", 0, immediate},
        {"connect never completes", fullBacklog.url(), 0, connect},
        {"accepts and never answers", silent.url("/"), 0, stall},
        {"stops sending mid-body", stallsMidBody.url("/"), 0, stall},
        {"never answers, own timeout", silent.url("/"), 400, timeout},
        {"trickles inside the stall bound", trickles.url("/"), 0, totalBound},
        {"body shorter than its length", shortBody.url("/"), 0, immediate},
        {"redirect loop", site.url("/loop"), 0, immediate},
        {"redirect to ftp", site.url("/to-ftp"), 0, immediate},
        {"redirect to file", site.url("/to-file"), 0, immediate},
        {"one redirect too many", site.url("/hops/" + std::to_string(redirectBound + 1)), 0, immediate},
        {"declared body over the bound", site.url("/sized/" + std::to_string(bodyBound + 1)), 0, immediate},
        {"chunked body over the bound", site.url("/chunked/" + std::to_string(bodyBound + 1)), 0, immediate},
    };
    const milliseconds slack{1500};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Stopwatch clock;
        EXPECT_EQ(fetchUrl(c.url, "", "", c.timeoutMs), "");
        EXPECT_LT(clock.elapsed(), c.bound + slack);
        EXPECT_EQ(fetchUrl(site.url("/fine")), "fine");
    }
    EXPECT_EQ(ftpTrap.connections(), 0);
}

TEST_F(FailureTest, PageAtItsBoundsStillArrives)
{
    const std::string full(bodyBound, 'x');
    EXPECT_EQ(fetchUrl(site.url("/hops/" + std::to_string(redirectBound))), "arrived");
    EXPECT_EQ(fetchUrl(site.url("/sized/" + std::to_string(bodyBound))), full);
    EXPECT_EQ(fetchUrl(site.url("/chunked/" + std::to_string(bodyBound))), full);
}

}  // namespace
