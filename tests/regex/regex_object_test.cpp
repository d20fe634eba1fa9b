// The object's life: before a run, after a rejected pattern, index bounds,
// copies, a second run, the quote token and a pattern that backtracks without
// end.
#include <gtest/gtest.h>

#include "regex_test_support.h"

namespace {

// Every query answers "nothing" after a rejected pattern or before any run.
void expectEmptyAnswers(const RegexObject& regex) {
    EXPECT_EQ(regex.matchCount(), 0);
    EXPECT_EQ(regex.subMatchCount(), 0);
    EXPECT_EQ(regex.matchText(1), "");
    EXPECT_EQ(regex.subMatchText(1, 1), "");
    EXPECT_EQ(regex.replace("x"), "");
}

TEST(RegexObject, BeforeAnyCreateEveryAnswerIsEmpty) {
    const RegexObject regex;
    expectEmptyAnswers(regex);
    EXPECT_EQ(regex.patternText(), "");
}

TEST(RegexObject, RejectedPatternGivesEmptyAnswersButKeepsItsText) {
    for (std::string_view pattern : {"(ab", "ab)", "a{2}{3}", "(?i)a", "[b"}) {
        RegexObject regex;
        EXPECT_FALSE(regex.create(pattern, "ab ab")) << pattern;
        expectEmptyAnswers(regex);
        EXPECT_EQ(regex.patternText(), pattern);
    }
}

TEST(RegexObject, RejectedPatternDiscardsTheRunBefore) {
    RegexObject regex;
    ASSERT_TRUE(regex.create("a", "aa"));
    EXPECT_FALSE(regex.create("(a", "aa"));
    expectEmptyAnswers(regex);
}

TEST(RegexObject, ValidPatternWithoutMatchIsReady) {
    RegexObject regex;
    EXPECT_TRUE(regex.create("(a)(b)(c)(d)", "abc"));
    EXPECT_EQ(regex.matchCount(), 0);
    EXPECT_EQ(regex.subMatchCount(), 0);  // counted on the first match, and there is none
    EXPECT_EQ(regex.replace("x"), "abc");
}

TEST(RegexObject, SubMatchCountIsTheNumberOfGroups) {
    RegexObject regex;
    ASSERT_TRUE(regex.create("(a)(b)(?:c)(d)(e)", "abcde"));
    EXPECT_EQ(regex.subMatchCount(), 4);
}

struct IndexCase {
    bool wholeMatch;  // matchText, else subMatchText
    int32_t match;
    int32_t group;
};

TEST(RegexObject, IndexesOutsideTheRunGiveEmptyTextAndNoPosition) {
    RegexObject regex;
    ASSERT_TRUE(regex.create("(a)(b)", "ab ab"));
    ASSERT_EQ(regex.matchCount(), 2);
    const IndexCase cases[] = {
        {true, 0, 0},  {true, -1, 0},  {true, 3, 0},  {false, 1, 3},
        {false, 1, 0}, {false, 1, -1}, {false, 0, 1}, {false, 3, 1},
    };
    for (const IndexCase& c : cases) {
        int32_t start = 99;
        const std::string text = c.wholeMatch ? regex.matchText(c.match, &start)
                                              : regex.subMatchText(c.match, c.group, &start);
        EXPECT_EQ(text, "") << c.match << "," << c.group;
        EXPECT_EQ(start, -1) << c.match << "," << c.group;
    }
    EXPECT_EQ(regex.subMatchText(2, 2), "b");  // in range: answered
}

TEST(RegexObject, SecondCreateDiscardsTheFirst) {
    RegexObject regex;
    ASSERT_TRUE(regex.create("(x)(y)", "xy xy xy"));
    ASSERT_TRUE(regex.create("b", "abcb", true, true, true));
    EXPECT_EQ(allMatches(regex), (std::vector<std::string>{"b", "b"}));
    EXPECT_EQ(regex.subMatchCount(), 0);
    EXPECT_EQ(regex.subMatchText(1, 1), "");
    EXPECT_EQ(regex.patternText(), "b");
    EXPECT_EQ(regex.replace("-"), "a-c-");
}

TEST(RegexObject, CopiesShareTheRunAndOutliveTheOriginal) {
    auto original = std::make_unique<RegexObject>();
    ASSERT_TRUE(original->create("(\\d+)", "a1 b22"));
    const RegexObject copy(*original);
    RegexObject assigned;
    assigned = *original;
    original.reset();
    for (const RegexObject* r : {&copy, static_cast<const RegexObject*>(&assigned)}) {
        EXPECT_EQ(allMatches(*r), (std::vector<std::string>{"1", "22"}));
        EXPECT_EQ(r->subMatchText(2, 1), "22");
        EXPECT_EQ(r->patternText(), "(\\d+)");
        EXPECT_EQ(r->replace("<$1>"), "a<1> b<22>");
    }
}

TEST(RegexObject, CopyKeepsItsRunWhenTheOriginalRunsAgain) {
    RegexObject original;
    ASSERT_TRUE(original.create("a", "aaa"));
    const RegexObject copy(original);
    ASSERT_FALSE(original.create("(", "aaa"));
    EXPECT_EQ(copy.matchCount(), 3);
    EXPECT_EQ(original.matchCount(), 0);
}

// "#引号" stands for a double quote when asked for, and for itself otherwise.
TEST(RegexObject, QuoteToken) {
    const std::string pattern = gb("href=#引号(.*?)#引号>");
    const std::string page = gb("<a href=\"x.htm\">; <a href=#引号y#引号>");

    RegexObject expanded;
    ASSERT_TRUE(expanded.create(pattern, page, false, true, true, true));
    EXPECT_EQ(expanded.patternText(), "href=\"(.*?)\">");
    EXPECT_EQ(allMatches(expanded), (std::vector<std::string>{"href=\"x.htm\">"}));

    RegexObject literal;
    ASSERT_TRUE(literal.create(pattern, page));
    EXPECT_EQ(literal.patternText(), pattern);
    EXPECT_EQ(allMatches(literal), (std::vector<std::string>{"href=#引号y#引号>"}));
}

TEST(RegexObject, QuoteTokenEveryOccurrenceAndNextToCjk) {
    RegexObject regex;
    ASSERT_TRUE(regex.create(gb("中#引号#引号文##引号"), gb(""), false, true, true, true));
    EXPECT_EQ(utf8(regex.patternText()), "中\"\"文#\"");
}

// A pattern that backtracks exponentially ends at the engine's limit; the run
// keeps what it found before.
TEST(RegexObject, RunawayBacktrackingEndsTheRun) {
    const std::string as(30, 'a');
    RegexObject regex;
    EXPECT_TRUE(regex.create("^(a+)+$", as + "!"));
    EXPECT_EQ(regex.matchCount(), 0);

    // The x after the runaway stretch is never reached.
    ASSERT_TRUE(regex.create("x|(a+)+b", "x " + as + "! x"));
    EXPECT_EQ(allMatches(regex), (std::vector<std::string>{"x"}));
}

TEST(RegexObject, TextEndsAtTheFirstZeroByte) {
    RegexObject regex;
    ASSERT_TRUE(regex.create(std::string("a\0b", 3), std::string("ab a\0b", 6)));
    EXPECT_EQ(regex.patternText(), "a");
    EXPECT_EQ(regex.matchCount(), 2);
    EXPECT_EQ(regex.replace("x"), "xb x");
}

}  // namespace
