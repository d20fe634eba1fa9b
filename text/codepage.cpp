#include "text/codepage.h"

#include <cerrno>

#include "text/ascii_runs.h"
#include "text/gb18030.h"
#include "text/iconv_handle.h"
#include "text/utf8.h"

std::string_view textBytes(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

std::u16string multiByteToWide(std::string_view text, CodePage codePage) {
    const std::string_view bytes = textBytes(text);
    std::u16string wide;
    if (codePage == CodePage::Utf8) {
        appendUtf8AsUtf16(bytes, wide);
    } else {
        appendGb18030AsUtf16(bytes, wide);
    }
    return wide;
}

std::string wideToMultiByte(std::u16string_view wide, CodePage codePage) {
    const std::u16string_view units = wide.substr(0, findZeroUnit(wide.data(), wide.size()));
    std::string text;
    if (codePage == CodePage::Utf8) {
        appendUtf16AsUtf8(units, text);
    } else {
        appendUtf16AsGb18030(units, text);
    }
    return text;
}

std::string utf8ToGbk(std::string_view utf8) {
    // One pass, straight from UTF-8 to the code page: same result as through
    // UTF-16, without a buffer twice the page's size.
    std::string text;
    appendUtf8AsGb18030(textBytes(utf8), text);
    return text;
}

std::string gbkToUtf8(std::string_view text) {
    return wideToMultiByte(multiByteToWide(text, CodePage::Gb18030), CodePage::Utf8);
}

namespace {

bool isTrail(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// The length of the valid sequence at s[i] that program text keeps, or 0.
// The second byte's range rules out overlong forms, surrogates and values
// above U+10FFFF; 0xEE and 0xEF 0x80..0xA3 lead the BMP's private-use area.
size_t keptSequenceLength(const unsigned char* s, size_t i, size_t n) {
    const unsigned char lead = s[i];
    const size_t left = n - i;
    if (lead >= 0xC2 && lead <= 0xDF) return left >= 2 && isTrail(s[i + 1]) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (left < 3 || lead == 0xEE || !isTrail(s[i + 2])) return 0;
        const unsigned char second = s[i + 1];
        const unsigned char lower = lead == 0xE0 ? 0xA0 : (lead == 0xEF ? 0xA4 : 0x80);
        const unsigned char upper = lead == 0xED ? 0x9F : 0xBF;
        return second >= lower && second <= upper ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (left < 4 || !isTrail(s[i + 2]) || !isTrail(s[i + 3])) return 0;
        const unsigned char second = s[i + 1];
        const unsigned char lower = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char upper = lead == 0xF4 ? 0x8F : 0xBF;
        return second >= lower && second <= upper ? 4 : 0;
    }
    return 0;
}

}  // namespace

bool survivesProgramText(std::string_view utf8) {
    const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
    const size_t n = utf8.size();
    size_t i = 0;
    while (i < n) {
        if (s[i] < 0x80) {
            i = asciiRunEnd(s, i, n);
            continue;
        }
        const size_t length = keptSequenceLength(s, i, n);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::optional<std::string> programTextToUtf8Strict(std::string_view text) {
    IconvHandle converter = openIconv("UTF-8", "GB18030");
    if (!converter) return std::nullopt;
    // Each GB18030 byte gives at most two UTF-8 bytes (a 2-byte character at
    // most 3, a 4-byte one at most 4), so twice the input is room enough.
    std::string out(text.size() * 2, '\0');
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    if (iconv(converter.get(), &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
}
