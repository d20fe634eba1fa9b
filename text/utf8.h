// UTF-8 <-> UTF-16 over bytes, written out because iconv cannot replace
// invalid input the way browsers do.
#pragma once

#include <string>
#include <string_view>

// A byte that continues a sequence (10xxxxxx) and starts no character.
inline bool isUtf8Trail(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Decodes the non-ASCII sequence that starts at s[i] into `cp` and returns the
// index after it. A maximal invalid subpart gives U+FFFD; a byte that breaks a
// sequence is not consumed, so it starts the next one.
size_t decodeUtf8Sequence(const unsigned char* s, size_t i, size_t n, char32_t& cp);

// Appends the UTF-16 form of `utf8`. Every maximal invalid subpart (Unicode
// standard, "U+FFFD substitution of maximal subparts", as the WHATWG decoder
// does it) becomes one U+FFFD.
void appendUtf8AsUtf16(std::string_view utf8, std::u16string& out);

// Appends the UTF-8 form of `utf16`; a lone surrogate becomes U+FFFD.
void appendUtf16AsUtf8(std::u16string_view utf16, std::string& out);
