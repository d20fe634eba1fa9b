// Small facts about UTF-16 code units.
#pragma once

#include <cstddef>
#include <string_view>

inline bool isHighSurrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
inline bool isLowSurrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}
inline bool isSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

inline char32_t combineSurrogates(char16_t high, char16_t low) {
    return 0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) + (low - 0xDC00);
}

// The code point at pos (a surrogate pair counts as one), advancing pos past
// it. A lone surrogate is returned as it is.
inline char32_t readCodePoint(std::u16string_view s, size_t& pos) {
    const char16_t u = s[pos++];
    if (isHighSurrogate(u) && pos < s.size() && isLowSurrogate(s[pos])) {
        return combineSurrogates(u, s[pos++]);
    }
    return u;
}

// Units taken by the character that starts at pos: 2 for a surrogate pair, else 1.
inline size_t unitsOfCharacterAt(std::u16string_view s, size_t pos) {
    return (isHighSurrogate(s[pos]) && pos + 1 < s.size() && isLowSurrogate(s[pos + 1])) ? 2 : 1;
}
