#include "regex/pattern_escape.h"

#include "regex/utf16_units.h"

namespace {

using Kind = PatternEscape::Kind;

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
bool isOctalDigit(char16_t c) {
    return c >= u'0' && c <= u'7';
}
bool isAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

int hexValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// Exactly `digits` hex digits at pos, or nothing (-1) and pos unchanged.
long readHex(std::u16string_view p, size_t& pos, int digits) {
    if (p.size() - pos < static_cast<size_t>(digits)) return -1;
    long value = 0;
    for (int i = 0; i < digits; ++i) {
        const int d = hexValue(p[pos + i]);
        if (d < 0) return -1;
        value = value * 16 + d;
    }
    pos += digits;
    return value;
}

PatternEscape character(char32_t c) {
    return {Kind::Character, c};
}

// Annex B legacy octal: up to three octal digits, at most \377; \8 and \9 are
// the digits themselves.
PatternEscape readLegacyOctal(std::u16string_view p, size_t& pos) {
    const char16_t first = p[pos++];
    if (!isOctalDigit(first)) return character(first);
    char32_t value = first - u'0';
    if (pos < p.size() && isOctalDigit(p[pos])) {
        value = value * 8 + (p[pos++] - u'0');
        if (first <= u'3' && pos < p.size() && isOctalDigit(p[pos])) {
            value = value * 8 + (p[pos++] - u'0');
        }
    }
    return character(value);
}

// \N is a back-reference only when group N exists; otherwise it is octal.
PatternEscape readDecimal(std::u16string_view p, size_t& pos, bool inClass, uint32_t groups) {
    if (!inClass && p[pos] != u'0') {
        size_t end = pos;
        uint64_t number = 0;
        while (end < p.size() && isDigit(p[end])) {
            if (number <= groups) number = number * 10 + (p[end] - u'0');
            ++end;
        }
        if (number <= groups) {
            pos = end;
            return {Kind::BackReference, static_cast<char32_t>(number)};
        }
    }
    return readLegacyOctal(p, pos);
}

// \uHHHH; a high and a low surrogate escape in a row are one character.
PatternEscape readUnicode(std::u16string_view p, size_t& pos) {
    const long unit = readHex(p, pos, 4);
    if (unit < 0) return character(u'u');
    if (isHighSurrogate(static_cast<char16_t>(unit)) && p.substr(pos).starts_with(u"\\u")) {
        size_t next = pos + 2;
        const long low = readHex(p, next, 4);
        if (low >= 0 && isLowSurrogate(static_cast<char16_t>(low))) {
            pos = next;
            return character(
                combineSurrogates(static_cast<char16_t>(unit), static_cast<char16_t>(low)));
        }
    }
    if (isSurrogate(static_cast<char32_t>(unit)))
        return {Kind::LoneSurrogate, static_cast<char32_t>(unit)};
    return character(static_cast<char32_t>(unit));
}

PatternEscape readControl(std::u16string_view p, size_t& pos) {
    if (pos + 1 < p.size() && isAsciiLetter(p[pos + 1])) {
        const char16_t letter = p[pos + 1];
        pos += 2;
        return character(letter % 32);
    }
    return {Kind::Backslash, u'\\'};  // pos stays on the "c"
}

// \xHH with exactly two hex digits, else a plain "x".
PatternEscape readHexByte(std::u16string_view p, size_t& pos) {
    const long value = readHex(p, pos, 2);
    return character(value < 0 ? U'x' : static_cast<char32_t>(value));
}

bool isShorthand(char16_t c) {
    return std::u16string_view(u"dDsSwW").find(c) != std::u16string_view::npos;
}

// \f \n \r \t \v; 0 for any other letter.
char32_t namedControl(char16_t letter) {
    switch (letter) {
        case u'f':
            return 0x0C;
        case u'n':
            return 0x0A;
        case u'r':
            return 0x0D;
        case u't':
            return 0x09;
        case u'v':
            return 0x0B;
        default:
            return 0;
    }
}

}  // namespace

PatternEscape readEscape(std::u16string_view p, size_t& pos, bool inClass, uint32_t groupCount) {
    const char16_t c = p[pos];
    if (isDigit(c)) return readDecimal(p, pos, inClass, groupCount);
    if (c == u'c') return readControl(p, pos);
    // An escaped character that is not a letter stands for itself.
    if (!isAsciiLetter(c)) return character(readCodePoint(p, pos));
    ++pos;
    if (isShorthand(c)) return {Kind::Shorthand, c};
    if (c == u'b') return inClass ? character(0x08) : PatternEscape{Kind::Assertion, c};
    if (c == u'B') return inClass ? character(c) : PatternEscape{Kind::Assertion, c};
    if (c == u'x') return readHexByte(p, pos);
    if (c == u'u') return readUnicode(p, pos);
    // Letters without a meaning of their own (\a \e \k \p \z ...) stand for themselves.
    const char32_t control = namedControl(c);
    return character(control != 0 ? control : c);
}
