// A loopback port on which nothing listens, for tests of a refused connection.
#pragma once

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// Binds a free port and lets it go again: free a moment ago, no listener now.
inline int closedPort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}
