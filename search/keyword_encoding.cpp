#include "search/keyword_encoding.h"

#include <optional>

#include "text/codepage.h"

namespace {

bool isSentAsIs(unsigned char b) { return b >= 0x21 && b <= 0x7A; }

void appendEscaped(unsigned char b, std::string& out) {
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    out.push_back('%');
    out.push_back(hexDigits[b >> 4]);
    out.push_back(hexDigits[b & 0x0F]);
}

}  // namespace

std::string encodeKeywordBytes(std::string_view keyword) {
    // A keyword that does not convert whole is not sent in part.
    const std::optional<std::string> utf8 = programTextToUtf8Strict(textBytes(keyword));
    if (!utf8) return {};
    std::string encoded;
    encoded.reserve(utf8->size() * 3);
    for (char c : *utf8) {
        const auto b = static_cast<unsigned char>(c);
        if (isSentAsIs(b)) {
            encoded.push_back(c);
        } else {
            appendEscaped(b, encoded);
        }
    }
    return encoded;
}
