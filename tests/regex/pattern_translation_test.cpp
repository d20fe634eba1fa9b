// The reading of classic-engine patterns (ECMAScript 3 and its Annex B) as
// PCRE2 patterns. Expected forms follow the PCRE2 pattern syntax: \x{h..} is a
// code point, \g{N} a back-reference, [] an empty class (never matches).
#include "regex/pattern_translation.h"

#include <gtest/gtest.h>

#include "text/codepage.h"

namespace {

std::string show(std::u16string_view s) {
    return wideToMultiByte(s, CodePage::Utf8);
}

struct TranslationCase {
    std::u16string_view pattern;
    std::u16string_view pcre2;
};

TEST(PatternTranslation, EscapesAndClassesBecomeTheirPcre2Form) {
    const TranslationCase cases[] = {
        {u"a\\v", u"a\\x{b}"},  // PCRE2's \v would be a class of vertical space
        {u"\\cJ", u"\\x{a}"},
        {u"\\c1", u"\\\\c1"},  // no control letter: a backslash, then "c"
        {u"\\x41\\x4g", u"Ax4g"},
        {u"\\u00e9\\u12", u"\u00e9u12"},
        {u"\\uD83D\\uDE00", u"\\x{1f600}"},  // an escaped surrogate pair is one character
        {u"\\uD800", u"[]"},                 // half a pair can never match
        {u"(a)\\1", u"(a)\\g{1}"},
        {u"\\1(a)", u"\\g{1}(a)"},
        {u"(a)\\2", u"(a)\\x{2}"},  // no group 2: legacy octal
        {u"(a)\\8", u"(a)8"},
        {u"(a)\\12", u"(a)\\x{a}"},
        {u"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)\\10", u"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)\\g{10}"},
        {u"\\0", u"\\x{0}"},
        {u"\\377\\400", u"\u00ff\\x{20}0"},  // three octal digits only up to \377
        {u"[\\b]", u"[\\x{8}]"},             // backspace inside a class
        {u"[\\B]", u"[B]"},
        {u"[[:alpha:]]",
         u"[\\[\\:alpha\\:]\\]"},  // no POSIX classes; the class ends at the first ]
        {u"[\\d-z]", u"[\\d\\-z]"},
        {u"[a-]", u"[a\\-]"},
        {u"[]a[^]", u"[]a[^]"},
        {u"[\\1]", u"[\\x{1}]"},
        {u"[\\uD800-\\uDFFF]", u"[]"},
        {u"[\\u0000-\\uFFFF]", u"[\\x{0}-\uD7FF\uE000-\uFFFF]"},
        {u"\\q\\e\\Q\\E\\K\\R\\z\\A\\p", u"qeQEKRzAp"},
        {u"a{,2}}]", u"a\\{\\,2\\}\\}\\]"},
        {u"a{2,3}?b*?c+?d??e{4}f{5,}", u"a{2,3}?b*?c+?d??e{4}f{5,}"},
        {u"(?:a)(?=b)(?!c)|^.$", u"(?:a)(?=b)(?!c)|^.$"},
        {u"\\b\\B\\d\\D\\s\\S\\w\\W", u"\\b\\B\\d\\D\\s\\S\\w\\W"},
        {u"\\/\\-\\.#", u"\\/\\-\\.\\#"},
        {u"\\f\\n\\r\\t", u"\\x{c}\\x{a}\\x{d}\\x{9}"},
        {u"", u""},
    };
    for (const TranslationCase& c : cases) {
        const std::optional<TranslatedPattern> t = translatePattern(c.pattern);
        ASSERT_TRUE(t.has_value()) << show(c.pattern);
        EXPECT_EQ(show(t->pcre2), show(c.pcre2)) << show(c.pattern);
    }
}

TEST(PatternTranslation, RejectsWhatTheClassicEngineRejects) {
    const std::u16string_view rejected[] = {
        u"(?i)a",   u"(?<n>a)", u"(?>a)", u"(?#c)", u"(?|a)", u"(?P<n>a)", u"(?",
        u"(*FAIL)", u"(*UTF)a", u"a*+",   u"a++",   u"a?+",   u"a{2}+",    u"a{2}{3}",
        u"a**",     u"a???",    u"*a",    u"^*",    u"\\b+",  u"(|?)",     u"{2}",
        u"a{3,2}",  u"[z-a]",   u"a\\",   u"[a",
    };
    for (std::u16string_view pattern : rejected) {
        EXPECT_FALSE(translatePattern(pattern).has_value()) << show(pattern);
    }
}

struct GroupCase {
    std::u16string_view pattern;
    uint32_t groups;
};

TEST(PatternTranslation, CountsCapturingGroupsOnly) {
    const GroupCase cases[] = {
        {u"(a)(?:b)(c)(?=(d))", 3},
        {u"\\(a\\)", 0},
        {u"[(](a)", 1},
        {u"[]](a)", 1},  // [] is a whole (empty) class, so ( opens a group
        {u"[^](a)", 1},
        {u"[\\]](a)", 1},
        {u"((a)|(b))", 3},
    };
    for (const GroupCase& c : cases) {
        EXPECT_EQ(countCapturingGroups(c.pattern), c.groups) << show(c.pattern);
        const std::optional<TranslatedPattern> t = translatePattern(c.pattern);
        ASSERT_TRUE(t.has_value()) << show(c.pattern);
        EXPECT_EQ(t->groupCount, c.groups) << show(c.pattern);
    }
}

}  // namespace
