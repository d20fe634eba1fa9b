#include "regex/quote_token.h"

#include "text/gb18030.h"

namespace {

// "#" and 引号 in GB18030.
constexpr std::string_view quoteToken = "#\xD2\xFD\xBA\xC5";

}  // namespace

std::string expandQuoteTokens(std::string_view pattern) {
    std::string out;
    out.reserve(pattern.size());
    const auto* bytes = reinterpret_cast<const unsigned char*>(pattern.data());
    size_t i = 0;
    while (i < pattern.size()) {
        if (pattern.substr(i).starts_with(quoteToken)) {
            out += '"';
            i += quoteToken.size();
            continue;
        }
        const size_t length = gb18030CharLength(bytes + i, pattern.size() - i);
        out.append(pattern.substr(i, length));
        i += length;
    }
    return out;
}
