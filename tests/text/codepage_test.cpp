// Expected bytes come from the Unicode standard's tables and from an
// independent GB18030 encoder (Python's codec), never from this code.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "tests/bytes.h"
#include "text/codepage.h"
#include "text/gb18030.h"

namespace {

struct Utf8Case {
    const char* name;
    std::string utf8;
    std::u16string want;
};

const Utf8Case utf8Cases[] = {
    {"empty", "", u""},
    {"ascii", "abc <tr>", u"abc <tr>"},
    {"two Chinese characters", bytes({0xE4, 0xB8, 0xAD, 0xE6, 0x96, 0x87}), u"\u4E2D\u6587"},
    {"emoji becomes a surrogate pair", bytes({0xF0, 0x9F, 0x98, 0x80}), u"\U0001F600"},
    {"bytes after a zero byte are ignored", std::string("ab\0cd", 5), u"ab"},
    // The Unicode standard's own example of maximal subparts (table 3-8).
    {"standard example",
     bytes({0x61, 0xF1, 0x80, 0x80, 0xE1, 0x80, 0xC2, 0x62, 0x80, 0x63, 0x80, 0xBF, 0x64}),
     u"a\uFFFD\uFFFD\uFFFDb\uFFFDc\uFFFD\uFFFDd"},
    {"overlong slash", bytes({0xC0, 0xAF}), u"\uFFFD\uFFFD"},
    {"encoded surrogate", bytes({0xED, 0xA0, 0x80}), u"\uFFFD\uFFFD\uFFFD"},
    {"above U+10FFFF", bytes({0xF4, 0x90, 0x80, 0x80}), u"\uFFFD\uFFFD\uFFFD\uFFFD"},
    {"overlong three-byte", bytes({0xE0, 0x80, 0x80}), u"\uFFFD\uFFFD\uFFFD"},
    {"truncated at the end", bytes({0x41, 0xF0, 0x9F, 0x98}), u"A\uFFFD"},
    {"lone continuation before ASCII", bytes({0x80, 0x41}), u"\uFFFDA"},
    {"invalid lead bytes", bytes({0xFE, 0xFF, 0xF5}), u"\uFFFD\uFFFD\uFFFD"},
    {"broken sequence resumes at the breaking byte", bytes({0xE4, 0xB8, 0xE4, 0xB8, 0xAD}),
     u"\uFFFD\u4E2D"},
    {"long ASCII run around a character",
     std::string(40, 'x') + bytes({0xE4, 0xB8, 0xAD}) + std::string(17, 'y'),
     std::u16string(40, u'x') + u"\u4E2D" + std::u16string(17, u'y')},
};


TEST(MultiByteToWide, DecodesUtf8AndReplacesEachMaximalInvalidSubpart) {
    for (const auto& c : utf8Cases) {
        EXPECT_EQ(multiByteToWide(c.utf8), c.want) << c.name;
    }
}

// The page decoder goes straight from UTF-8 to the code page; it must give
// what the two steps through UTF-16 give.
TEST(Utf8ToGbk, OnePassEqualsTheTwoSteps) {
    for (const auto& c : utf8Cases) {
        EXPECT_EQ(utf8ToGbk(c.utf8), wideToMultiByte(c.want)) << c.name;
    }
}

struct EncodeCase {
    const char* name;
    std::string utf8;
    std::string wantProgramText;
};

TEST(Utf8ToGbk, GivesTheKnownCodePageBytes) {
    const EncodeCase cases[] = {
        {"empty", "", ""},
        {"Chinese", bytes({0xE4, 0xB8, 0xAD, 0xE6, 0x96, 0x87}), bytes({0xD6, 0xD0, 0xCE, 0xC4})},
        {"markup passes unchanged", "<td><a href=\"/bt/1.htm\">x</a></td>\n",
         "<td><a href=\"/bt/1.htm\">x</a></td>\n"},
        {"traditional characters", bytes({0xE7, 0xB9, 0x81, 0xE9, 0xAB, 0x94}),
         bytes({0xB7, 0xB1, 0xF3, 0x77})},
        {"Korean kept as four-byte sequences",
         bytes({0xED, 0x95, 0x9C, 0xEA, 0xB5, 0xAD}),
         bytes({0x83, 0x36, 0x84, 0x33, 0x82, 0x37, 0xF4, 0x30})},
        {"emoji kept", bytes({0xF0, 0x9F, 0x98, 0x80}), bytes({0x94, 0x39, 0xFC, 0x36})},
        {"Latin letters", bytes({0xC3, 0x9F, 0xC3, 0xA9}), bytes({0x81, 0x30, 0x89, 0x38, 0xA8, 0xA6})},
        {"invalid byte becomes U+FFFD, neighbours kept", bytes({0x61, 0xFF, 0xE4, 0xB8, 0xAD}),
         "a" + bytes({0x84, 0x31, 0xA4, 0x37, 0xD6, 0xD0})},
        {"cut at the first zero byte", std::string("ab\0\xE4\xB8\xAD", 6), "ab"},
        // Found by fuzzing: glibc's GB18030 has no code for U+E78D (nor for 23
        // other private-use characters whose GB18030-2005 codes now name other
        // characters); iconv(1) refuses it too.
        {"private-use character without a code becomes '?'", bytes({0x61, 0xEE, 0x9E, 0x8D, 0x62}),
         "a?b"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf8ToGbk(c.utf8), c.wantProgramText) << c.name;
    }
}

TEST(Utf8ToGbk, LargeAsciiPageKeepsItsSizeWithNoTrailingFill) {
    const std::string page(100000, 'x');
    const std::u16string wide = multiByteToWide(page);
    EXPECT_EQ(wide.size(), 100000u);  // 200 002 bytes with the terminating zero unit
    const std::string text = utf8ToGbk(page);
    EXPECT_EQ(text, page);
}

TEST(WideToMultiByte, UnencodableUnitBecomesQuestionMark) {
    EXPECT_EQ(wideToMultiByte(u"a\xD800" u"b"), "a?b");
    EXPECT_EQ(wideToMultiByte(u"a\xDC00"), "a?");
    EXPECT_EQ(wideToMultiByte(std::u16string(u"ab\0cd", 5)), "ab");
}

TEST(ProgramText, DecodesCodePageBytesAndMarksBrokenOnes) {
    EXPECT_EQ(multiByteToWide(bytes({0xD6, 0xD0, 0x41}), CodePage::Gb18030), u"\u4E2DA");
    EXPECT_EQ(multiByteToWide(bytes({0x94, 0x39, 0xFC, 0x36}), CodePage::Gb18030),
              u"\U0001F600");
    EXPECT_EQ(multiByteToWide(bytes({0x80, 0x41, 0xD6}), CodePage::Gb18030), u"\uFFFDA\uFFFD");
    EXPECT_EQ(gbkToUtf8(bytes({0xD6, 0xD0, 0xCE, 0xC4})),
              bytes({0xE4, 0xB8, 0xAD, 0xE6, 0x96, 0x87}));
}

struct LengthCase {
    std::string bytes;
    size_t length;
};

TEST(Gb18030Structure, CharacterLength) {
    const LengthCase cases[] = {
        {"A", 1},
        {bytes({0xD6, 0xD0}), 2},
        {bytes({0x81, 0x30, 0x89, 0x38}), 4},
        {bytes({0x94, 0x39, 0xFC, 0x36}), 4},
        {bytes({0x81}), 1},
        {bytes({0x81, 0x30, 0x89}), 1},
        {bytes({0x80, 0x41}), 1},
    };
    for (const auto& c : cases) {
        const auto* s = reinterpret_cast<const unsigned char*>(c.bytes.data());
        EXPECT_EQ(gb18030CharLength(s, c.bytes.size()), c.length) << c.bytes.size();
    }
}

}  // namespace
