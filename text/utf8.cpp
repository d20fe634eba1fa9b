#include "text/utf8.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr char16_t replacementCharacter = 0xFFFD;

void appendCodePoint(char32_t cp, std::u16string& out) {
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
        return;
    }
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
}

// Copies the ASCII run starting at `i`, eight bytes at a time where it can.
size_t copyAsciiRun(const unsigned char* s, size_t i, size_t n, std::u16string& out) {
    while (i + 8 <= n) {
        uint64_t word;
        std::memcpy(&word, s + i, 8);
        if (word & 0x8080808080808080ull) break;
        for (int k = 0; k < 8; ++k) out.push_back(s[i + k]);
        i += 8;
    }
    while (i < n && s[i] < 0x80) out.push_back(s[i++]);
    return i;
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

// Decodes the sequence whose lead byte is at `i`; returns the index after the
// bytes it consumed. A byte that breaks the sequence is not consumed, so it is
// read again as the start of the next one.
size_t decodeSequence(const unsigned char* s, size_t i, size_t n, std::u16string& out) {
    const LeadByte lead = classifyLead(s[i++]);
    if (lead.trailCount == 0) {
        out.push_back(replacementCharacter);
        return i;
    }
    char32_t cp = lead.initialBits;
    unsigned char lower = lead.lower;
    unsigned char upper = lead.upper;
    for (int k = 0; k < lead.trailCount; ++k) {
        if (i >= n || s[i] < lower || s[i] > upper) {
            out.push_back(replacementCharacter);
            return i;
        }
        cp = (cp << 6) | (s[i++] & 0x3F);
        lower = 0x80;
        upper = 0xBF;
    }
    appendCodePoint(cp, out);
    return i;
}

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
    out.reserve(out.size() + n);
    size_t i = 0;
    while (i < n) {
        i = (s[i] < 0x80) ? copyAsciiRun(s, i, n, out) : decodeSequence(s, i, n, out);
    }
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
