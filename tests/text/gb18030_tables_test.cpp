// The table-driven conversions must say what the C library's converter says,
// character by character, over the whole Basic Multilingual Plane and every
// two-byte and four-byte BMP code.
#include <gtest/gtest.h>

#include <iconv.h>

#include <optional>
#include <string>

#include "text/codepage.h"
#include "text/iconv_handle.h"

namespace {

std::optional<std::string> iconvOnce(const char* to, const char* from, std::string input) {
    IconvHandle cd = openIconv(to, from);
    std::string out(16, '\0');
    char* in = input.data();
    size_t inLeft = input.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    if (iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
}

std::string utf16le(char16_t unit) {
    return {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
}

std::u16string fromUtf16le(const std::string& bytes) {
    std::u16string units;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                              static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
    return units;
}

TEST(Gb18030Tables, EncodeEveryBmpCharacterAsIconvDoes) {
    int refused = 0;
    for (char32_t u = 0x80; u <= 0xFFFF; ++u) {
        if (u >= 0xD800 && u <= 0xDFFF) continue;
        const auto unit = static_cast<char16_t>(u);
        const std::optional<std::string> want = iconvOnce("GB18030", "UTF-16LE", utf16le(unit));
        if (!want) ++refused;
        ASSERT_EQ(wideToMultiByte(std::u16string(1, unit)), want.value_or("?")) << std::hex << static_cast<unsigned>(u);
    }
    EXPECT_LT(refused, 100);  // only a few private-use code points have no place
}

void expectDecodesAsIconv(const std::string& code) {
    const std::optional<std::string> want = iconvOnce("UTF-16LE", "GB18030", code);
    const std::u16string got = multiByteToWide(code, CodePage::Gb18030);
    if (want) {
        ASSERT_EQ(got, fromUtf16le(*want)) << std::hex << int(static_cast<unsigned char>(code[0]))
                                           << " " << int(static_cast<unsigned char>(code[1]));
    } else {
        ASSERT_EQ(got.front(), u'\uFFFD');
    }
}

TEST(Gb18030Tables, DecodeEveryTwoByteCodeAsIconvDoes) {
    for (unsigned b1 = 0x81; b1 <= 0xFE; ++b1) {
        for (unsigned b2 = 0x40; b2 <= 0xFE; ++b2) {
            if (b2 == 0x7F) continue;
            expectDecodesAsIconv({static_cast<char>(b1), static_cast<char>(b2)});
        }
    }
}

TEST(Gb18030Tables, DecodeEveryFourByteBmpCodeAsIconvDoes) {
    for (unsigned b1 = 0x81; b1 <= 0x84; ++b1)
        for (unsigned b2 = 0x30; b2 <= 0x39; ++b2)
            for (unsigned b3 = 0x81; b3 <= 0xFE; ++b3)
                for (unsigned b4 = 0x30; b4 <= 0x39; ++b4) {
                    expectDecodesAsIconv({static_cast<char>(b1), static_cast<char>(b2),
                                          static_cast<char>(b3), static_cast<char>(b4)});
                }
}

}  // namespace
