// demo-site: a local stand-in for the search site, for manual runs and tests.
//
//   demo-site [port]    listens on 127.0.0.1:8765, or on `port` (0: any free one)

#include <httplib.h>
#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>

#include <charconv>
#include <iostream>
#include <optional>
#include <string_view>
#include <thread>

#include "tools/demo-site/demo_routes.h"

namespace {

constexpr const char* host = "127.0.0.1";
constexpr int defaultPort = 8765;

std::optional<int> portArgument(int argc, char** argv)
{
    if (argc == 1)
        return defaultPort;
    if (argc != 2)
        return std::nullopt;
    const std::string_view text = argv[1];
    int port = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (error != std::errc() || end != text.data() + text.size() || port < 0 || port > 65535)
        return std::nullopt;
    return port;
}

// cpp-httplib's default sets SO_REUSEPORT, with which a second demo-site
// would share the port instead of failing; SO_REUSEADDR alone still allows
// a quick restart.
void exclusivePort(socket_t socket)
{
    const int yes = 1;
    setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
}

int bindServer(httplib::Server& server, int port)
{
    server.set_socket_options(exclusivePort);
    if (port == 0)
        return server.bind_to_any_port(host);
    return server.bind_to_port(host, port) ? port : -1;
}

// Blocked in every thread, so that only sigwait in main sees them and the
// server is stopped from ordinary code, not from a signal handler.
sigset_t stopSignals()
{
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    return signals;
}

// A shell starts a background job with SIGINT ignored, and an ignored signal
// never reaches sigwait; `kill -INT` must still stop the site.
void takeStopSignals(const sigset_t& signals)
{
    signal(SIGINT, SIG_DFL);
    signal(SIGTERM, SIG_DFL);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::optional<int> port = portArgument(argc, argv);
    if (!port) {
        std::cerr << "usage: demo-site [port]\n";
        return 2;
    }
    const sigset_t signals = stopSignals();
    takeStopSignals(signals);

    httplib::Server server;
    // The response goes out as separate writes; without this, a client that
    // keeps its connection open waits for a delayed ACK on every page.
    server.set_tcp_nodelay(true);
    addDemoRoutes(server);
    const int boundPort = bindServer(server, *port);
    if (boundPort < 0) {
        std::cerr << "demo-site: cannot listen on " << host << ":" << *port << "\n";
        return 1;
    }
    std::cout << "demo-site listening on http://" << host << ":" << boundPort << "/" << std::endl;

    std::thread listener([&server] { server.listen_after_bind(); });
    int received = 0;
    sigwait(&signals, &received);
    server.stop();
    listener.join();
    std::cout << "demo-site stopped" << std::endl;
    return 0;
}
