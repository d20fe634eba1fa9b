// Conversions between the program's code page (GB18030), UTF-16 and UTF-8.
//
// A "text" in this program is a std::string of code-page bytes. Like a C string,
// only the bytes before the first zero byte count; the functions here cut there.
#pragma once

#include <optional>
#include <string>
#include <string_view>

enum class CodePage { Utf8, Gb18030 };

// The program's own code page: a superset of code page 936 that can hold every
// Unicode character, so names and links survive the trip through it.
inline constexpr CodePage programCodePage = CodePage::Gb18030;

// The bytes of `text` before its first zero byte.
std::string_view textBytes(std::string_view text);

// Decodes `text` (up to its first zero byte) into UTF-16; decoding goes on past
// bad input. In UTF-8 every maximal invalid subpart becomes one U+FFFD; in the
// program's code page every byte that starts no decodable character does. The terminating zero unit of
// the platform buffer is the string's own terminator (size() + 1 units).
std::u16string multiByteToWide(std::string_view text, CodePage codePage = CodePage::Utf8);

// Encodes `wide` (up to its first zero unit) into `codePage`. A unit that the
// code page cannot hold (a lone surrogate, for instance) becomes '?'.
std::string wideToMultiByte(std::u16string_view wide, CodePage codePage = programCodePage);

// A fetched UTF-8 page to program text.
std::string utf8ToGbk(std::string_view utf8);

// Program text to UTF-8, for output that leaves the program (terminal, files).
std::string gbkToUtf8(std::string_view text);

// Whether gbkToUtf8(utf8ToGbk(utf8)) gives `utf8` back, judged without
// converting: valid UTF-8 without a zero byte (program text ends there) and
// without a character of the BMP's private-use area, where the code page
// lacks a few characters.
bool survivesProgramText(std::string_view utf8);

// Program text to UTF-8 through iconv, all or nothing: empty optional when any
// byte sequence is not valid in the program's code page.
std::optional<std::string> programTextToUtf8Strict(std::string_view text);
