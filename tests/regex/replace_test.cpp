// replace: the replacement is read as ECMAScript's String.prototype.replace
// reads it. Expected results worked out by hand from its GetSubstitution rules.
#include <gtest/gtest.h>

#include "regex_test_support.h"

namespace {

struct ReplaceCase {
    std::string_view pattern;  // UTF-8
    std::string_view subject;
    bool global;
    std::string_view replacement;
    std::string_view want;
};

TEST(Replace, DollarForms) {
    const ReplaceCase cases[] = {
        {"(\\w+)\\s(\\w+)", "John Smith", true, "$2, $1", "Smith, John"},
        {"b", "abc", true, "[$&]", "a[b]c"},
        {"b", "abc", true, "[$`]", "a[a]c"},
        {"b", "abc", true, "[$']", "a[c]c"},
        {"b", "abc", true, "$$", "a$c"},
        {"b", "abc", true, "$", "a$c"},
        {"b", "abc", true, "$x$", "a$x$c"},
        {"(a)(b)", "ab", true, "$3", "$3"},  // no group 3: literal
        {"(a)(b)", "ab", true, "$0$00", "$0$00"},
        {"(a)", "a", true, "$10", "a0"},  // no group 10: group 1, then "0"
        {"(a)", "a", true, "$01", "a"},
        {"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)", "abcdefghij", true, "$10$1", "ja"},
        {"(a)|(b)", "b", true, "[$1]", "[]"},  // group that took no part
        {"a", "aaa", true, "x", "xxx"},
        {"a", "aaa", false, "x", "xaa"},
        {"", "ab", true, "-", "-a-b-"},
        {"x", "ab", true, "-", "ab"},
        {"文", "中文字文", true, "<$&>", "中<文>字<文>"},
        {"a", "a", true, "中", "中"},
    };
    for (const ReplaceCase& c : cases) {
        RegexObject regex;
        ASSERT_TRUE(regex.create(gb(c.pattern), gb(c.subject), false, true, c.global)) << c.pattern;
        EXPECT_EQ(utf8(regex.replace(gb(c.replacement))), c.want)
            << c.pattern << " / " << c.replacement;
    }
}

TEST(Replace, BeforeAnyCreateGivesEmptyText) {
    const RegexObject regex;
    EXPECT_EQ(regex.replace("x"), "");
}

}  // namespace
