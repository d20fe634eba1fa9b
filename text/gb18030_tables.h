// Lookup tables for GB18030 conversion, filled once from iconv so that they say
// exactly what the C library's converter says, at a table lookup per character.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

struct Gb18030Tables {
    // BMP code unit -> its GB18030 bytes, first byte in the low byte; 0 when
    // the code page has no place for it (and for ASCII and surrogates, which
    // callers handle themselves).
    std::array<uint32_t, 0x10000> encode{};
    // Two-byte code [81-FE][40-7E,80-FE] -> code point; 0 when undefined.
    std::array<char32_t, 126 * 191> twoByte{};
    // Four-byte code [81-84][30-39][81-FE][30-39] -> BMP code unit; 0 when undefined.
    std::array<char16_t, 4 * 10 * 126 * 10> fourByteBmp{};
};

// Built on first use; shared by every thread afterwards.
const Gb18030Tables& gb18030Tables();

inline size_t twoByteIndex(unsigned char b1, unsigned char b2) {
    return size_t(b1 - 0x81) * 191 + (b2 - 0x40);
}

inline size_t fourByteIndex(unsigned char b1, unsigned char b2, unsigned char b3,
                            unsigned char b4) {
    return ((size_t(b1 - 0x81) * 10 + (b2 - 0x30)) * 126 + (b3 - 0x81)) * 10 + (b4 - 0x30);
}
