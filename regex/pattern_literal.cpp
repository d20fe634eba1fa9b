#include "regex/pattern_literal.h"

namespace {

bool isAsciiAlnum(char32_t c) {
    return (c >= U'0' && c <= U'9') || (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

}  // namespace

void appendHexEscape(std::u16string& out, char32_t c) {
    static constexpr char16_t digits[] = u"0123456789abcdef";
    out += u"\\x{";
    int shift = 28;
    while (shift > 0 && ((c >> shift) & 0xF) == 0) shift -= 4;
    for (; shift >= 0; shift -= 4) out += digits[(c >> shift) & 0xF];
    out += u'}';
}

// ASCII punctuation takes a backslash, which PCRE2 reads as "this character
// itself"; controls, space and characters beyond the BMP take \x{...}.
void appendLiteral(std::u16string& out, char32_t c) {
    if (isAsciiAlnum(c) || (c >= 0x80 && c <= 0xFFFF)) {
        out += static_cast<char16_t>(c);
    } else if (c > 0x20 && c < 0x7F) {
        out += u'\\';
        out += static_cast<char16_t>(c);
    } else {
        appendHexEscape(out, c);
    }
}
