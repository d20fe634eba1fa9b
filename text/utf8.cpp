#include "text/utf8.h"

#include <cstdint>

#include "text/ascii_runs.h"

namespace {

constexpr char16_t replacementCharacter = 0xFFFD;

void putCodePoint(char32_t cp, char16_t*& out) {
    if (cp < 0x10000) {
        *out++ = static_cast<char16_t>(cp);
        return;
    }
    cp -= 0x10000;
    *out++ = static_cast<char16_t>(0xD800 + (cp >> 10));
    *out++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
}

struct LeadByte {
    int trailCount;        // 0 for a byte that cannot start a sequence
    char32_t initialBits;  // the payload bits of the lead byte
    unsigned char lower;   // allowed range of the first trail byte
    unsigned char upper;
};

LeadByte classifyLead(unsigned char b) {
    if (b >= 0xC2 && b <= 0xDF) return {1, char32_t(b & 0x1F), 0x80, 0xBF};
    if (b >= 0xE0 && b <= 0xEF) {
        return {2, char32_t(b & 0x0F), static_cast<unsigned char>(b == 0xE0 ? 0xA0 : 0x80),
                static_cast<unsigned char>(b == 0xED ? 0x9F : 0xBF)};
    }
    if (b >= 0xF0 && b <= 0xF4) {
        return {3, char32_t(b & 0x07), static_cast<unsigned char>(b == 0xF0 ? 0x90 : 0x80),
                static_cast<unsigned char>(b == 0xF4 ? 0x8F : 0xBF)};
    }
    return {0, 0, 0, 0};
}


}  // namespace

size_t decodeUtf8Sequence(const unsigned char* s, size_t i, size_t n, char32_t& cp) {
    const LeadByte lead = classifyLead(s[i++]);
    cp = replacementCharacter;
    if (lead.trailCount == 0) return i;
    char32_t bits = lead.initialBits;
    unsigned char lower = lead.lower;
    unsigned char upper = lead.upper;
    for (int k = 0; k < lead.trailCount; ++k) {
        if (i >= n || s[i] < lower || s[i] > upper) return i;
        bits = (bits << 6) | (s[i++] & 0x3F);
        lower = 0x80;
        upper = 0xBF;
    }
    cp = bits;
    return i;
}

namespace {

void appendUtf8CodePoint(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool isHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

void appendUtf8AsUtf16(std::string_view utf8, std::u16string& out) {
    const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
    const size_t n = utf8.size();
    const size_t start = out.size();
    out.resize(start + n);  // a byte never gives more than one unit
    char16_t* write = out.data() + start;
    size_t i = 0;
    while (i < n) {
        if (s[i] < 0x80) {
            i = widenAsciiRun(s, i, n, write);
            continue;
        }
        char32_t cp;
        i = decodeUtf8Sequence(s, i, n, cp);
        putCodePoint(cp, write);
    }
    out.resize(static_cast<size_t>(write - out.data()));
}

void appendUtf16AsUtf8(std::u16string_view utf16, std::string& out) {
    out.reserve(out.size() + utf16.size());
    for (size_t i = 0; i < utf16.size(); ++i) {
        const char16_t u = utf16[i];
        if (isHighSurrogate(u) && i + 1 < utf16.size() && isLowSurrogate(utf16[i + 1])) {
            const char16_t low = utf16[++i];
            appendUtf8CodePoint(0x10000 + ((char32_t(u) - 0xD800) << 10) + (low - 0xDC00), out);
        } else if (isHighSurrogate(u) || isLowSurrogate(u)) {
            appendUtf8CodePoint(replacementCharacter, out);
        } else {
            appendUtf8CodePoint(u, out);
        }
    }
}
