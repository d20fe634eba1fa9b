// Collects a response body as libcurl delivers it (already decompressed).
#pragma once

#include <cstddef>
#include <string>

struct BodySink {
    explicit BodySink(std::size_t maxBytes) : maxBytes(maxBytes) {}

    std::string text;          // the body up to its first zero byte
    std::size_t received = 0;  // every byte delivered, for the size bound
    std::size_t maxBytes;
    bool cut = false;          // a zero byte was seen; later bytes are not kept
};

// CURLOPT_WRITEFUNCTION for a BodySink passed as CURLOPT_WRITEDATA. Ends the
// transfer once more than maxBytes arrive, counting the bytes after a zero
// byte too, so a huge body cannot run on unseen.
std::size_t collectBody(char* data, std::size_t size, std::size_t count, void* sink);
