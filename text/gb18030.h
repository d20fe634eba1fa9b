// GB18030, the program's code page: its byte structure and its conversions.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Length in bytes of the character that starts at `s[0]`, judged by the byte
// structure alone (1, 2 or 4); 1 for a byte that starts no valid sequence or a
// sequence cut short by the end of the text (`remaining` bytes are left).
size_t gb18030CharLength(const unsigned char* s, size_t remaining);

// Appends the UTF-16 form of GB18030 bytes; every undecodable byte becomes U+FFFD.
void appendGb18030AsUtf16(std::string_view gb18030, std::u16string& out);

// Writes the GB18030 form of `cp` (at most four bytes) at `out`; '?' when the
// code page has no place for it.
void putCodePointAsGb18030(char32_t cp, char*& out);

// Appends the GB18030 form of UTF-8 text in one pass; invalid UTF-8 decodes to
// U+FFFD per maximal invalid subpart, as in appendUtf8AsUtf16.
void appendUtf8AsGb18030(std::string_view utf8, std::string& out);

// Appends the GB18030 form of UTF-16 text; a unit it cannot hold becomes '?'.
void appendUtf16AsGb18030(std::u16string_view utf16, std::string& out);
