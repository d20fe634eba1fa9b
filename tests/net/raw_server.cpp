#include "raw_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

namespace {

int listenOnLoopback(std::uint16_t& port)
{
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 || listen(fd, 16) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("cannot listen on loopback");
    port = ntohs(address.sin_port);
    return fd;
}

std::size_t contentLength(const std::string& head)
{
    const std::string name = "\r\nContent-Length: ";
    const std::size_t at = head.find(name);
    return at == std::string::npos ? 0 : std::strtoul(head.c_str() + at + name.size(), nullptr, 10);
}

}  // namespace

std::string RawConnection::readRequest()
{
    timeval limit{5, 0};  // a test client that stalls must not stall the test
    setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    std::string request;
    std::size_t headEnd = std::string::npos;
    char buffer[4096];
    while (headEnd == std::string::npos ||
           request.size() < headEnd + 4 + contentLength(request.substr(0, headEnd + 2))) {
        const ssize_t got = recv(fd_, buffer, sizeof buffer, 0);
        if (got <= 0)
            return {};
        request.append(buffer, static_cast<std::size_t>(got));
        headEnd = request.find("\r\n\r\n");
    }
    server_.record(request);
    return request;
}

bool RawConnection::send(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t sent = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

void RawConnection::holdUntilStopped()
{
    server_.holdUntilStopped();
}

RawServer::RawServer(Handler handler)
    : handler_(std::move(handler)),
      listenFd_(listenOnLoopback(port_)),
      wakeFd_(eventfd(0, EFD_CLOEXEC)),
      thread_([this] { serve(); })
{
}

RawServer::~RawServer()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stopped_.notify_all();
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(wakeFd_, &one, sizeof one);
    thread_.join();
    close(listenFd_);
    close(wakeFd_);
}

std::string RawServer::url(std::string_view target) const
{
    return "http://127.0.0.1:" + std::to_string(port_) + std::string(target);
}

std::vector<std::string> RawServer::requests() const
{
    std::lock_guard lock(mutex_);
    return requests_;
}

int RawServer::connections() const
{
    std::lock_guard lock(mutex_);
    return connections_;
}

void RawServer::serve()
{
    for (;;) {
        pollfd fds[2] = {{listenFd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0 || (fds[1].revents & POLLIN))
            return;
        const int fd = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        {
            std::lock_guard lock(mutex_);
            ++connections_;
        }
        RawConnection connection(*this, fd);
        handler_(connection);
        close(fd);
    }
}

void RawServer::record(std::string request)
{
    std::lock_guard lock(mutex_);
    requests_.push_back(std::move(request));
}

void RawServer::holdUntilStopped()
{
    std::unique_lock lock(mutex_);
    stopped_.wait(lock, [this] { return stopping_; });
}

std::string rawResponse(std::string_view status, std::string_view headers, std::string_view body)
{
    return "HTTP/1.1 " + std::string(status) + "\r\n" + std::string(headers) +
           "Connection: close\r\n\r\n" + std::string(body);
}
