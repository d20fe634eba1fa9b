#include "raw_request.h"

namespace {

std::string_view takeUntil(std::string_view& rest, std::string_view separator)
{
    const std::size_t at = rest.find(separator);
    const std::string_view part = rest.substr(0, at);
    rest = at == std::string_view::npos ? std::string_view() : rest.substr(at + separator.size());
    return part;
}

}  // namespace

RawRequest parseRawRequest(std::string_view raw)
{
    RawRequest request;
    std::string_view line = takeUntil(raw, "\r\n");
    request.method = takeUntil(line, " ");
    request.target = takeUntil(line, " ");
    request.version = line;
    for (line = takeUntil(raw, "\r\n"); !line.empty(); line = takeUntil(raw, "\r\n")) {
        const std::string_view name = takeUntil(line, ": ");
        request.headers.emplace_back(name, line);
    }
    request.body = raw;
    return request;
}
