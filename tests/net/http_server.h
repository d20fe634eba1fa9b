// A cpp-httplib server on a free loopback port, running for one test.
#pragma once

#include <httplib.h>

#include <chrono>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>

#include "net/request_slots.h"

class HttpServer {
public:
    // `routes` sets up the server's handlers before it starts listening.
    explicit HttpServer(const std::function<void(httplib::Server&)>& routes)
    {
        server_.set_tcp_nodelay(true);  // no delayed-ACK wait on the kept connection
        routes(server_);
        port_ = server_.bind_to_any_port("127.0.0.1");
        if (port_ < 0)
            throw std::runtime_error("cannot listen on loopback");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        // stop() does nothing before the loop runs, and the destructor needs it to.
        while (!server_.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~HttpServer()
    {
        // Close our kept-alive connections first: the server would wait out
        // its keep-alive time for each of them before it stops.
        releaseHttpObject();
        server_.stop();
        thread_.join();
    }
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    int port() const { return port_; }
    std::string url(std::string_view target) const
    {
        return "http://127.0.0.1:" + std::to_string(port_) + std::string(target);
    }

private:
    httplib::Server server_;
    int port_ = -1;
    std::thread thread_;
};
