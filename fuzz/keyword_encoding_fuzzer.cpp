// encodeKeywordBytes over arbitrary bytes: whatever the keyword box can hold.
#include <optional>
#include <string>

#include "fuzz/fuzz_support.h"
#include "search/keyword_encoding.h"
#include "text/codepage.h"

namespace {

constexpr size_t maxInput = 4 * 1024;

bool isSentAsIs(unsigned char b) { return b >= 0x21 && b <= 0x7A; }

bool isUpperHex(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

int hexValue(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

// Walks `encoded` along `utf8`: each byte either as it is or as %XX.
bool escapesEachByte(std::string_view utf8, std::string_view encoded) {
    size_t at = 0;
    for (char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        if (isSentAsIs(b)) {
            if (at >= encoded.size() || encoded[at] != c) return false;
            ++at;
            continue;
        }
        if (encoded.size() - at < 3 || encoded[at] != '%' || !isUpperHex(encoded[at + 1]) ||
            !isUpperHex(encoded[at + 2]) ||
            hexValue(encoded[at + 1]) * 16 + hexValue(encoded[at + 2]) != b) {
            return false;
        }
        at += 3;
    }
    return at == encoded.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > maxInput) return 0;
    const std::string_view input = asBytes(data, size);
    const std::string_view keyword = textBytes(input);

    const std::string encoded = encodeKeywordBytes(input);
    // Only bytes that a path segment carries as they are: 0x21..0x7A, which
    // takes in '%' and the upper-case hex digits.
    for (char c : encoded) FUZZ_CHECK(isSentAsIs(static_cast<unsigned char>(c)));
    if (keyword.size() != input.size()) FUZZ_CHECK(encoded == encodeKeywordBytes(keyword));

    if (isAscii(keyword)) {
        // ASCII is the same in GB18030 and UTF-8: every byte goes out, as it
        // is or as three characters.
        size_t escaped = 0;
        for (char c : keyword) escaped += isSentAsIs(static_cast<unsigned char>(c)) ? 0 : 1;
        FUZZ_CHECK(encoded.size() == keyword.size() + 2 * escaped);
        FUZZ_CHECK(escapesEachByte(keyword, encoded));
        return 0;
    }

    // The lossy decoder marks every byte it cannot read with U+FFFD; the
    // all-or-nothing one must refuse exactly the keywords it had to mark.
    const std::string lossy = gbkToUtf8(keyword);
    const std::optional<std::string> strict = programTextToUtf8Strict(keyword);
    if (strict) {
        FUZZ_CHECK(*strict == lossy);
        FUZZ_CHECK(escapesEachByte(*strict, encoded));
    } else {
        FUZZ_CHECK(encoded.empty());
        FUZZ_CHECK(lossy.find("\xEF\xBF\xBD") != std::string::npos);
    }
    return 0;
}
