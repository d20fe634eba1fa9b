// survivesProgramText lets callers skip the trip through the code page; it
// must never say yes for text that the trip would change.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/bytes.h"
#include "text/codepage.h"
#include "text/program_text_check.h"

namespace {

std::string utf8Of(char32_t cp) {
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

TEST(SurvivesProgramText, EveryCharacterItAcceptsComesBackUnchanged) {
    // All accepted scalar values, a plane at a time; one lossy character
    // wrongly accepted would change the plane's text.
    size_t refused = 0;
    for (char32_t plane = 0; plane <= 0x10; ++plane) {
        std::string accepted;
        for (char32_t cp = plane << 16; cp <= ((plane << 16) | 0xFFFF); ++cp) {
            if (cp == 0 || (cp >= 0xD800 && cp <= 0xDFFF)) continue;
            const std::string one = utf8Of(cp);
            if (survivesProgramText(one)) {
                accepted += one;
            } else {
                ++refused;
            }
        }
        EXPECT_EQ(gbkToUtf8(utf8ToGbk(accepted)), accepted)
            << "plane " << static_cast<unsigned>(plane);
    }
    EXPECT_EQ(refused, 0xF8FFu - 0xE000u + 1);  // the BMP's private-use area only
}

TEST(SurvivesProgramText, JudgesTexts) {
    struct Case {
        const char* name;
        std::string utf8;
        bool survives;
    } const cases[] = {
        {"empty", "", true},
        {"markup", "<tr class=\"a\">\n\t<td>", true},
        {"Chinese, Korean, emoji",
         bytes({0xE4, 0xB8, 0xAD, 0xED, 0x95, 0x9C, 0xF0, 0x9F, 0x98, 0x80}), true},
        {"U+FFFD written in the page", bytes({0x61, 0xEF, 0xBF, 0xBD, 0x62}), true},
        {"zero byte: program text ends there", std::string("ab\0cd", 5), false},
        {"zero byte after a long ASCII run", std::string(40, 'x') + std::string(1, '\0'), false},
        {"private-use character the code page lacks", bytes({0x61, 0xEE, 0x9E, 0x8D}), false},
        {"lone continuation byte", bytes({0x61, 0x80, 0x62}), false},
        {"overlong slash", bytes({0xC0, 0xAF}), false},
        {"encoded surrogate", bytes({0xED, 0xA0, 0x80}), false},
        {"above U+10FFFF", bytes({0xF4, 0x90, 0x80, 0x80}), false},
        {"cut at the end after a long ASCII run", std::string(40, 'x') + bytes({0xE4, 0xB8}),
         false},
        {"invalid byte between Chinese", bytes({0xE4, 0xB8, 0xAD, 0xFF, 0xE4, 0xB8, 0xAD}), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(survivesProgramText(c.utf8), c.survives) << c.name;
        // Whatever it says, saying yes must mean the trip leaves the text alone.
        if (c.survives) {
            EXPECT_EQ(gbkToUtf8(utf8ToGbk(c.utf8)), c.utf8) << c.name;
        }
    }
}

// The vector check must agree with the scalar one everywhere: each character
// at the start of a block and across a block edge, and random byte strings
// that mix ASCII, continuations and leads of every length.
TEST(SurvivesProgramText, VectorAndScalarChecksAgree) {
    if (!keepsProgramTextVector("")) GTEST_SKIP() << "no SSSE3 on this processor";
    for (char32_t cp = 1; cp <= 0x10FFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        const std::string one = utf8Of(cp);
        for (const std::string& text : {one, std::string(14, 'a') + one + "b"}) {
            ASSERT_EQ(keepsProgramTextVector(text), keepsProgramTextScalar(text))
                << "U+" << std::hex << static_cast<unsigned>(cp);
        }
    }
    const unsigned char alphabet[] = {0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0,
                                      0xA3, 0xA4, 0xBF, 0xC0, 0xC1, 0xC2, 0xDF, 0xE0,
                                      0xE4, 0xED, 0xEE, 0xEF, 0xF0, 0xF4, 0xF5, 0xFF};
    std::mt19937 random(12345);
    std::uniform_int_distribution<size_t> pick(0, sizeof alphabet - 1);
    std::uniform_int_distribution<size_t> length(0, 40);
    for (int round = 0; round < 300000; ++round) {
        std::string text(length(random), '\0');
        for (char& c : text) c = static_cast<char>(alphabet[pick(random)]);
        ASSERT_EQ(keepsProgramTextVector(text), keepsProgramTextScalar(text)) << round;
    }
    // Valid texts of characters near every edge, half of them with one byte
    // changed or cut: most random bytes above are plainly invalid.
    const char32_t edges[] = {0x41,   0x7F,    0x80,    0x7FF,   0x800,    0x4E2D,
                              0xD7FF, 0xE000,  0xE78D,  0xF8FF,  0xF900,   0xFFFD,
                              0xFFFF, 0x10000, 0x1F600, 0xFFFFF, 0x100000, 0x10FFFF};
    std::uniform_int_distribution<size_t> pickEdge(0, std::size(edges) - 1);
    std::uniform_int_distribution<size_t> count(1, 12);
    std::uniform_int_distribution<int> anyByte(0, 255);
    size_t valid = 0;
    for (int round = 0; round < 200000; ++round) {
        std::string text;
        for (size_t k = count(random); k > 0; --k) text += utf8Of(edges[pickEdge(random)]);
        if (round % 2 == 1) {
            const size_t at = std::uniform_int_distribution<size_t>(0, text.size() - 1)(random);
            if (round % 4 == 1) {
                text[at] = static_cast<char>(anyByte(random));
            } else {
                text.resize(at);
            }
        }
        const std::optional<bool> vector = keepsProgramTextVector(text);
        ASSERT_EQ(vector, keepsProgramTextScalar(text)) << round;
        valid += *vector ? 1 : 0;
    }
    EXPECT_GT(valid, 20000u);  // the comparison covered texts that pass, not only failures
}

}  // namespace
