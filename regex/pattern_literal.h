// Writing single characters into a PCRE2 pattern.
#pragma once

#include <string>
#include <string_view>

// Never matches, and may be quantified (unlike an assertion): what a lone
// surrogate stands for, since PCRE2 reads a subject as whole code points.
inline constexpr std::u16string_view neverMatches = u"[]";

// \x{h..} for code point c.
void appendHexEscape(std::u16string& out, char32_t c);

// Code point c (not a surrogate) written so that PCRE2 reads it as itself,
// inside a class or out of one.
void appendLiteral(std::u16string& out, char32_t c);
