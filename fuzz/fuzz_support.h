// Small helpers shared by the fuzz targets: a failed invariant aborts, so
// libFuzzer records the input as a crash.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition)                                                              \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "%s:%d: invariant failed: %s\n", __FILE__, __LINE__,     \
                         #condition);                                                      \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)

inline std::string_view asBytes(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

inline bool isAscii(std::string_view s) {
    for (char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

// The code points of UTF-8 bytes after the Unicode standard's table 3-7, each
// maximal subpart of an ill-formed sequence as one U+FFFD (section 3.9); sets
// `wellFormed` when there was none. Written apart from text/utf8.cpp so that
// it can judge that code.
inline std::u32string decodeUtf8Reference(std::string_view s, bool& wellFormed) {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const size_t n = s.size();
    std::u32string out;
    wellFormed = true;
    size_t i = 0;
    while (i < n) {
        const unsigned char b = p[i];
        size_t trail = 0;
        unsigned char lo = 0x80, hi = 0xBF;
        char32_t cp = 0;
        if (b < 0x80) {
            out += b;
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            trail = 1, cp = b & 0x1F;
        } else if (b == 0xE0) {
            trail = 2, cp = 0, lo = 0xA0;
        } else if ((b >= 0xE1 && b <= 0xEC) || b == 0xEE || b == 0xEF) {
            trail = 2, cp = b & 0x0F;
        } else if (b == 0xED) {
            trail = 2, cp = 0x0D, hi = 0x9F;
        } else if (b == 0xF0) {
            trail = 3, cp = 0, lo = 0x90;
        } else if (b >= 0xF1 && b <= 0xF3) {
            trail = 3, cp = b & 0x07;
        } else if (b == 0xF4) {
            trail = 3, cp = 4, hi = 0x8F;
        } else {
            out += U'\uFFFD';
            wellFormed = false;
            ++i;
            continue;
        }
        size_t k = 1;
        for (; k <= trail && i + k < n; ++k) {
            const unsigned char t = p[i + k];
            if (t < (k == 1 ? lo : 0x80) || t > (k == 1 ? hi : 0xBF)) break;
            cp = (cp << 6) | (t & 0x3F);
        }
        if (k <= trail) {
            out += U'\uFFFD';
            wellFormed = false;
            i += k;  // the lead byte and the trail bytes that fitted
        } else {
            out += cp;
            i += trail + 1;
        }
    }
    return out;
}

inline bool isWellFormedUtf8(std::string_view s) {
    bool wellFormed = false;
    decodeUtf8Reference(s, wellFormed);
    return wellFormed;
}

// UTF-16 as code points; a lone surrogate stays as it is.
inline std::u32string codePointsOf(std::u16string_view units) {
    std::u32string out;
    for (size_t i = 0; i < units.size(); ++i) {
        const char32_t u = units[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            out += 0x10000 + ((u - 0xD800) << 10) + (units[++i] - 0xDC00);
        } else {
            out += u;
        }
    }
    return out;
}
