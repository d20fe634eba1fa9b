// Start positions: byte offsets in the searched GB18030 text. Expected offsets
// count GB18030 bytes by hand: ASCII 1, 中 文 é 2 each (D6D0, CEC4, A8A6),
// ß and 😀 4 each (81308938, 9439FC36).
#include <gtest/gtest.h>

#include "regex_test_support.h"

namespace {

struct PositionCase {
    std::string_view what;
    std::string subject;  // program text
    std::string pattern;
    std::vector<int32_t> starts;  // of every match
};

std::vector<int32_t> matchStarts(const RegexObject& regex) {
    std::vector<int32_t> starts;
    for (int32_t i = 1; i <= regex.matchCount(); ++i) {
        int32_t start = -2;
        regex.matchText(i, &start);
        starts.push_back(start);
    }
    return starts;
}

TEST(StartPosition, MatchStartsAreByteOffsets) {
    const PositionCase cases[] = {
        {"two double-byte characters, then the letter", gb("中文a"), "a", {4}},
        {"letter and four copies of a second letter", "abbbb", "bb", {1, 3}},
        {"four-byte and two-byte characters", gb("ßéx"), "x", {6}},
        {"character beyond the BMP", gb("😀x"), "x", {4}},
        {"empty matches between characters", gb("中文"), "x*", {0, 2, 4}},
        {"match text itself non-ASCII", gb("中文abc"), gb("文."), {2}},
        {"two-byte code mapped beyond the BMP", "\xFE\x51x", "x", {2}},
        {"far into a long text", std::string(3000, 'y') + gb("中文z"), "z", {3004}},
        {"undecodable byte counts one byte", "\x80\xFFz", "z", {2}},
        {"undecodable four-byte code", "\x82\x35\x90\x37z", "z", {4}},
    };
    for (const PositionCase& c : cases) {
        RegexObject regex;
        ASSERT_TRUE(regex.create(c.pattern, c.subject)) << c.what;
        EXPECT_EQ(matchStarts(regex), c.starts) << c.what;
    }
}

TEST(StartPosition, ManyCjkCharactersBeforeEachMatch) {
    std::string subject;
    std::vector<int32_t> want;
    for (int i = 0; i < 2000; ++i) {
        subject += gb("中文中");
        want.push_back(static_cast<int32_t>(subject.size()));
        subject += "#";
    }
    RegexObject regex;
    ASSERT_TRUE(regex.create("#", subject));
    EXPECT_EQ(matchStarts(regex), want);
    int32_t start = 0;
    regex.matchText(1, &start);  // asked again, after later matches
    EXPECT_EQ(start, 6);
}

struct GroupPositionCase {
    std::string_view what;
    std::string subject;
    std::string pattern;
    int32_t group;
    std::string_view text;  // UTF-8
    int32_t start;
};

TEST(StartPosition, GroupsReportTheirOwnStart) {
    const GroupPositionCase cases[] = {
        {"same text earlier in the match", "aba", "(a)b(a)", 2, "a", 2},
        {"first group", "aba", "(a)b(a)", 1, "a", 0},
        {"after CJK in the match", gb("x中文"), gb("x中(文)"), 1, "文", 3},
        {"caseless text earlier in the match", "Aba", "(a)b(a)", 2, "a", 2},
        {"empty group", "ab", "a(x*)b", 1, "", 1},
        {"group that took no part", "b", "(a)?b", 1, "", -1},
    };
    for (const GroupPositionCase& c : cases) {
        RegexObject regex;
        ASSERT_TRUE(regex.create(c.pattern, c.subject)) << c.what;
        int32_t start = -2;
        EXPECT_EQ(utf8(regex.subMatchText(1, c.group, &start)), c.text) << c.what;
        EXPECT_EQ(start, c.start) << c.what;
    }
}

}  // namespace
