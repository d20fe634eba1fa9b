// What a run finds under each option, read as the classic scripting engine
// reads a pattern. Expected matches are worked out by hand from ECMAScript 3
// (match iteration as String.prototype.match with the g flag) and the
// engine's line rules: only LF breaks lines, "." matches CR.
#include <gtest/gtest.h>

#include "regex_test_support.h"

namespace {

struct Options {
    bool caseSensitive = false;
    bool multiLine = true;
    bool global = true;
};

constexpr Options defaults{};
constexpr Options caseSensitive{true, true, true};
constexpr Options singleLine{false, false, true};
constexpr Options firstOnly{false, true, false};

struct MatchCase {
    std::string_view what;
    std::string_view pattern;  // UTF-8
    std::string_view subject;  // UTF-8
    Options options;
    std::vector<std::string> matches;
};

TEST(Matching, OptionsAndLineRules) {
    const MatchCase cases[] = {
        {"case ignored by default", "abc", "xABCx aBc", defaults, {"ABC", "aBc"}},
        {"caseless class range", "[a-c]+", "ABCabcD", defaults, {"ABCabc"}},
        {"caseless tag", "<td>", "<TD><Td>", defaults, {"<TD>", "<Td>"}},
        {"case-sensitive", "abc", "xABCx abc", caseSensitive, {"abc"}},
        {"multi-line anchors at LF",
         "^\\w+$",
         "one\ntwo\nthree",
         defaults,
         {"one", "two", "three"}},
        {"multi-line $ before LF and at end", "a$", "a\nba", defaults, {"a", "a"}},
        {"multi-line ^ after a final LF", "^", "a\n", defaults, {"", ""}},
        {"multi-line empty last line", "^$", "a\n", defaults, {""}},
        {"multi-line anchors ignore CR", "^\\w+$", "one\r\ntwo\r\n", defaults, {}},
        {"single-line ^ only at start", "^b", "a\nb", singleLine, {}},
        {"single-line $ only at very end", "a$", "a\n", singleLine, {}},
        {"single-line $ at end", "a$", "ba\nca", singleLine, {"a"}},
        {". never matches LF", "a.b", "a\nb", defaults, {}},
        {". matches CR", "a.b", "a\rb", defaults, {"a\rb"}},
        {". stops at LF only", ".+", "ab\r\ncd", defaults, {"ab\r", "cd"}},
        {"lazy group stays in its line",
         "<td>(.*?)</td>",
         "<td>1</td><td>2\n</td><td>3</td>",
         defaults,
         {"<td>1</td>", "<td>3</td>"}},
        {"first only", "\\d", "a1b2", firstOnly, {"1"}},
        {"empty pattern: one match per position", "", "test", defaults, {"", "", "", "", ""}},
        {"lazy star advances one character", "a*?", "aa", defaults, {"", "", ""}},
        {"empty matches after a non-empty one", "\\d*", "12ab", defaults, {"12", "", "", ""}},
        {"empty-match advance by character", "x*", "中文", defaults, {"", "", ""}},
        {"non-BMP character is one character", "x*", "😀", defaults, {"", ""}},
        {"\\s is ASCII white space only", "\\s", "a\u3000b\u00a0c\vd", defaults, {"\v"}},
        {"\\w is ASCII only", "\\w+", "é文a_1", defaults, {"a_1"}},
        {"\\b uses ASCII words", "\\bx", "éx", defaults, {"x"}},
        {"back-reference to unset group", "(a)?b\\1", "b", defaults, {"b"}},
        {"octal escape when no such group", "(a)\\2", "a\x02", defaults, {"a\x02"}},
        {"\\u escape", "\\u4e2d", "文中", defaults, {"中"}},
        {"empty class never matches", "a[]", "a", defaults, {}},
        {"negated empty class matches anything", "a[^]", "a\n", defaults, {"a\n"}},
        {"\\v is vertical tab only", "\\v", "\n\v", defaults, {"\v"}},
        {"lookahead captures undone",
         "(.*?)a(?!(a+)b\\2c)\\2(.*)",
         "baaabaac",
         defaults,
         {"baaabaac"}},
        {"non-ASCII letter case", "é", "É", defaults, {"É"}},
    };
    for (const MatchCase& c : cases) {
        RegexObject regex;
        ASSERT_TRUE(regex.create(gb(c.pattern), gb(c.subject), c.options.caseSensitive,
                                 c.options.multiLine, c.options.global))
            << c.what;
        EXPECT_EQ(allMatches(regex), c.matches) << c.what;
    }
}

struct GroupCase {
    std::string_view what;
    std::string_view pattern;
    std::string_view subject;
    std::vector<std::vector<std::string>> groups;  // per match
};

TEST(Matching, GroupTexts) {
    const GroupCase cases[] = {
        {"groups in order of opening", "((a)(b))c", "abc", {{"ab", "a", "b"}}},
        {"group that took no part is empty", "(a)|(b)", "ab", {{"a", ""}, {"", "b"}}},
        {"optional group absent", "(x)?y", "y", {{""}}},
        {"lookahead leaves groups unset",
         "(.*?)a(?!(a+)b\\2c)\\2(.*)",
         "baaabaac",
         {{"ba", "", "abaac"}}},
        {"last iteration kept", "(?:(a)|b)+", "ab", {{"a"}}},
        {"non-ASCII group", "<b>(.*?)</b>", "<b>老炮儿</b>", {{"老炮儿"}}},
    };
    for (const GroupCase& c : cases) {
        RegexObject regex;
        ASSERT_TRUE(regex.create(gb(c.pattern), gb(c.subject))) << c.what;
        ASSERT_EQ(regex.matchCount(), static_cast<int32_t>(c.groups.size())) << c.what;
        for (size_t i = 0; i < c.groups.size(); ++i) {
            EXPECT_EQ(groupsOf(regex, static_cast<int32_t>(i + 1)), c.groups[i]) << c.what;
        }
    }
}

}  // namespace
