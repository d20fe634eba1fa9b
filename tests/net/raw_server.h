// A plain socket HTTP server on loopback, for tests that need the raw request
// bytes or a server that misbehaves on purpose.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

class RawServer;

// One accepted connection, handed to the server's handler.
class RawConnection {
public:
    RawConnection(RawServer& server, int fd) : server_(server), fd_(fd) {}

    // Reads one request (head, then as many body bytes as its Content-Length
    // says), records it on the server and returns it; empty when the client
    // went away first.
    std::string readRequest();
    // False once the client has gone away.
    bool send(std::string_view bytes);
    // Keeps the connection open and silent until the server is destroyed.
    void holdUntilStopped();

private:
    RawServer& server_;
    int fd_;
};

class RawServer {
public:
    using Handler = std::function<void(RawConnection&)>;

    // Listens on 127.0.0.1 on a free port and serves one connection at a
    // time with `handler` on a thread of its own.
    explicit RawServer(Handler handler);
    ~RawServer();
    RawServer(const RawServer&) = delete;
    RawServer& operator=(const RawServer&) = delete;

    std::uint16_t port() const { return port_; }
    std::string url(std::string_view target) const;
    std::vector<std::string> requests() const;
    int connections() const;

private:
    friend class RawConnection;
    void serve();
    void record(std::string request);
    void holdUntilStopped();

    Handler handler_;
    std::uint16_t port_ = 0;  // before listenFd_: its initialiser sets it
    int listenFd_ = -1;
    int wakeFd_ = -1;
    mutable std::mutex mutex_;
    std::condition_variable stopped_;
    bool stopping_ = false;
    std::vector<std::string> requests_;
    int connections_ = 0;
    std::thread thread_;
};

// An HTTP/1.1 response with the given status line tail, headers and body,
// closing the connection afterwards.
std::string rawResponse(std::string_view status, std::string_view headers, std::string_view body);
