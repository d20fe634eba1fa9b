#include "text/gb18030.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

#include "text/ascii_runs.h"
#include "text/gb18030_tables.h"
#include "text/iconv_handle.h"
#include "text/utf8.h"

static_assert(std::endian::native == std::endian::little, "UTF-16LE is the in-memory form");

namespace {

constexpr char16_t replacementCharacter = 0xFFFD;

bool inRange(unsigned char b, unsigned char low, unsigned char high) {
    return b >= low && b <= high;
}

bool isHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// The tables cover the Basic Multilingual Plane; the rare rest (characters
// beyond it) goes through iconv itself, one converter per direction and thread.
iconv_t decoder() {
    thread_local IconvHandle handle = openIconv("UTF-16LE", "GB18030");
    return handle.get();
}

iconv_t encoder() {
    thread_local IconvHandle handle = openIconv("GB18030", "UTF-16LE");
    return handle.get();
}

// Decodes one character of `length` bytes with iconv; nothing when it refuses.
bool decodeWithIconv(const unsigned char* s, size_t length, char16_t*& out) {
    iconv_t cd = decoder();
    if (cd == nullptr) return false;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* in = reinterpret_cast<char*>(const_cast<unsigned char*>(s));
    char* outPtr = reinterpret_cast<char*>(out);
    size_t inLeft = length;
    size_t outLeft = 4;  // one character gives at most two units
    if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) return false;
    out = reinterpret_cast<char16_t*>(outPtr);
    return true;
}

void putCodePoint(char32_t cp, char16_t*& out) {
    if (cp < 0x10000) {
        *out++ = static_cast<char16_t>(cp);
    } else {
        cp -= 0x10000;
        *out++ = static_cast<char16_t>(0xD800 + (cp >> 10));
        *out++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
}

// Decodes the non-ASCII character at s[0]; returns the bytes it took. A byte
// that starts no decodable character becomes U+FFFD on its own.
size_t decodeCharacter(const unsigned char* s, size_t remaining, char16_t*& out) {
    const Gb18030Tables& tables = gb18030Tables();
    const size_t length = gb18030CharLength(s, remaining);
    char32_t cp = 0;
    if (length == 2) {
        cp = tables.twoByte[twoByteIndex(s[0], s[1])];
    } else if (length == 4 && s[0] <= 0x84) {
        cp = tables.fourByteBmp[fourByteIndex(s[0], s[1], s[2], s[3])];
    } else if (length == 4 && decodeWithIconv(s, length, out)) {
        return length;
    }
    if (cp == 0) {
        *out++ = replacementCharacter;
        return 1;
    }
    putCodePoint(cp, out);
    return length;
}

void putPacked(uint32_t packed, char*& out) {
    do {
        *out++ = static_cast<char>(packed & 0xFF);
        packed >>= 8;
    } while (packed != 0);
}

// Encodes a surrogate pair with iconv; false when it refuses.
bool encodePairWithIconv(const char16_t* pair, char*& out) {
    iconv_t cd = encoder();
    if (cd == nullptr) return false;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* in = reinterpret_cast<char*>(const_cast<char16_t*>(pair));
    size_t inLeft = 4;
    size_t outLeft = 4;
    return iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1);
}

void putBmpUnit(char16_t unit, char*& out) {
    const uint32_t packed = gb18030Tables().encode[unit];
    if (packed == 0) {
        *out++ = '?';
    } else {
        putPacked(packed, out);
    }
}

void putSurrogatePair(const char16_t* pair, char*& out) {
    if (!encodePairWithIconv(pair, out)) *out++ = '?';
}

// Encodes the non-ASCII unit at u[i]; returns the units it took. A unit the
// code page cannot hold becomes '?'.
size_t encodeUnit(const char16_t* u, size_t i, size_t n, char*& out) {
    if (isHighSurrogate(u[i]) && i + 1 < n && isLowSurrogate(u[i + 1])) {
        putSurrogatePair(u + i, out);
        return 2;
    }
    putBmpUnit(u[i], out);
    return 1;
}

// Grows `out` so that `needed` more bytes fit after `written`.
char* roomFor(std::string& out, size_t written, size_t needed) {
    if (out.size() - written < needed) out.resize(std::max(out.size() * 2, written + needed) + 16);
    return out.data() + written;
}

}  // namespace

void putCodePointAsGb18030(char32_t cp, char*& out) {
    if (cp < 0x80) {
        *out++ = static_cast<char>(cp);
    } else if (cp < 0x10000) {
        putBmpUnit(static_cast<char16_t>(cp), out);
    } else {
        const char32_t offset = cp - 0x10000;
        const char16_t pair[2] = {static_cast<char16_t>(0xD800 + (offset >> 10)),
                                  static_cast<char16_t>(0xDC00 + (offset & 0x3FF))};
        putSurrogatePair(pair, out);
    }
}

void appendUtf8AsGb18030(std::string_view utf8, std::string& out) {
    const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
    const size_t n = utf8.size();
    // A UTF-8 character of k bytes gives at most k + 2 bytes (a lone bad byte
    // gives U+FFFD, four bytes), so the room grows when what is left might not fit.
    size_t written = out.size();
    out.resize(written + n + 16);
    size_t i = 0;
    while (i < n) {
        char* write = roomFor(out, written, (n - i) + 4);
        if (s[i] < 0x80) {
            const size_t end = asciiRunEnd(s, i, n);
            std::memcpy(write, s + i, end - i);
            write += end - i;
            i = end;
        } else {
            char32_t cp;
            i = decodeUtf8Sequence(s, i, n, cp);
            putCodePointAsGb18030(cp, write);
        }
        written = static_cast<size_t>(write - out.data());
    }
    out.resize(written);
}

size_t gb18030CharLength(const unsigned char* s, size_t remaining) {
    if (remaining < 2 || !inRange(s[0], 0x81, 0xFE)) return 1;
    if (inRange(s[1], 0x40, 0x7E) || inRange(s[1], 0x80, 0xFE)) return 2;
    if (remaining >= 4 && inRange(s[1], 0x30, 0x39) && inRange(s[2], 0x81, 0xFE) &&
        inRange(s[3], 0x30, 0x39)) {
        return 4;
    }
    return 1;
}

void appendGb18030AsUtf16(std::string_view gb18030, std::u16string& out) {
    const auto* s = reinterpret_cast<const unsigned char*>(gb18030.data());
    const size_t n = gb18030.size();
    const size_t start = out.size();
    out.resize(start + n);  // never more units than bytes
    char16_t* write = out.data() + start;
    size_t i = 0;
    while (i < n) {
        i = (s[i] < 0x80) ? widenAsciiRun(s, i, n, write) : i + decodeCharacter(s + i, n - i, write);
    }
    out.resize(static_cast<size_t>(write - out.data()));
}

void appendUtf16AsGb18030(std::u16string_view utf16, std::string& out) {
    const char16_t* u = utf16.data();
    const size_t n = utf16.size();
    // Room for an ASCII text at first; a unit takes four bytes at most, so the
    // room grows when what is left might not fit.
    size_t written = out.size();
    out.resize(written + n + 16);
    size_t i = 0;
    while (i < n) {
        char* write = roomFor(out, written, (n - i) + 4);
        i = (u[i] < 0x80) ? narrowAsciiRun(u, i, n, write) : i + encodeUnit(u, i, n, write);
        written = static_cast<size_t>(write - out.data());
    }
    out.resize(written);
}
