// Limits that keep every request finite: no server can make fetchUrl hang or
// fill memory. Tests lower them to reach each limit quickly.
#pragma once

#include <chrono>
#include <cstddef>

struct RequestBounds {
    // Name resolution, TCP connect and TLS handshake together.
    std::chrono::milliseconds connectTimeout{15'000};
    // A request that moves no body byte for this long ends, counted from its
    // start and then from its last byte; checked about once a second.
    std::chrono::milliseconds stallTimeout{30'000};
    // The whole request, when its caller gives no shorter time: a server that
    // trickles a byte now and then never stalls, but must not hold the window.
    std::chrono::milliseconds totalTimeout{120'000};
    // Redirects followed; one more ends the request.
    long maxRedirects = 10;
    // Decoded body bytes accepted; one more ends the request.
    std::size_t maxBodyBytes = std::size_t{64} << 20;
};

// The bounds the next request will use.
RequestBounds requestBounds();

// Replaces the bounds. Set them while no request runs.
void setRequestBounds(const RequestBounds& bounds);
