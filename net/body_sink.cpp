#include "net/body_sink.h"

#include <curl/curl.h>

#include <string_view>

namespace {

void keepUntilZero(BodySink& sink, std::string_view bytes)
{
    if (sink.cut)
        return;
    const std::size_t zero = bytes.find('\0');
    sink.cut = zero != std::string_view::npos;
    sink.text.append(bytes.substr(0, zero));
}

}  // namespace

std::size_t collectBody(char* data, std::size_t size, std::size_t count, void* userData)
{
    auto& sink = *static_cast<BodySink*>(userData);
    const std::size_t bytes = size * count;  // size is always 1 for body data
    if (bytes > sink.maxBytes - sink.received)
        return CURL_WRITEFUNC_ERROR;
    sink.received += bytes;
    try {
        keepUntilZero(sink, std::string_view(data, bytes));
    } catch (...) {
        // No exception may cross libcurl's C frames; ending the transfer
        // gives the empty text every failure gives.
        return CURL_WRITEFUNC_ERROR;
    }
    return bytes;
}
