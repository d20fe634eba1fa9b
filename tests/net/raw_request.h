// An HTTP/1.1 request as it arrived, split into its parts.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct RawRequest {
    std::string method;
    std::string target;
    std::string version;
    std::vector<std::pair<std::string, std::string>> headers;  // in arrival order
    std::string body;
};

// Splits `raw` at CRLF; a header line splits at its first ": ".
RawRequest parseRawRequest(std::string_view raw);
