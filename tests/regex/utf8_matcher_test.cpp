// The UTF-8 matcher must find what RegexObject's 16-bit runs find, and the
// parallel search what one search from the start finds, whatever the parts.
#include "regex/utf8_matcher.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <string>
#include <vector>

#include "regex/match_runner.h"
#include "regex/utf8_parallel_search.h"
#include "text/codepage.h"

namespace {

using Clock = std::chrono::steady_clock;

Clock::time_point farDeadline() {
    return Clock::now() + std::chrono::minutes(1);
}

std::vector<size_t> utf8Matches(std::string_view pattern, std::string_view subject) {
    const std::shared_ptr<const Utf8Pattern> compiled = compileUtf8Pattern(pattern);
    EXPECT_TRUE(compiled) << pattern;
    if (!compiled) return {};
    Utf8Search search(compiled);
    return findAllUtf8Matches(search, subject, 0, farDeadline()).value_or(std::vector<size_t>{9});
}

// The 16-bit run's offsets moved to byte offsets of the UTF-8 subject.
std::vector<size_t> utf16MatchesAsBytes(std::string_view pattern, std::string_view subject) {
    const std::u16string wideSubject = multiByteToWide(subject);
    const auto compiled = compilePattern(multiByteToWide(pattern), PatternOptions{});
    EXPECT_TRUE(compiled) << pattern;
    if (!compiled) return {};
    std::vector<size_t> byteAt(wideSubject.size() + 1, 0);
    for (size_t unit = 0, byte = 0; unit < wideSubject.size(); ++unit) {
        byteAt[unit] = byte;
        const char16_t u = wideSubject[unit];
        if (u >= 0xDC00 && u <= 0xDFFF) continue;  // second half of a pair: same character
        byte += u < 0x80 ? 1 : u < 0x800 ? 2 : (u >= 0xD800 && u <= 0xDBFF) ? 4 : 3;
        byteAt[unit + 1] = byte;
    }
    byteAt[wideSubject.size()] = subject.size();
    std::vector<size_t> offsets = findMatches(*compiled, wideSubject, true);
    for (size_t& offset : offsets) {
        if (offset != PCRE2_UNSET) offset = byteAt[offset];
    }
    return offsets;
}

struct PatternCase {
    std::string_view pattern;
    std::string subject;
};

// Patterns that lean on what differs between the two widths: characters of
// several bytes or units, case folding beyond ASCII, word edges, empty matches.
const PatternCase patternCases[] = {
    {"中.", "一中文二中\xF0\x9F\x98\x80三"},
    {"(.)(.)",
     "a中\xF0\x9F\x98\x80"
     "b"},
    {"class", "CLASS clas\xC5\xBF"},  // U+017F folds to s
    {"blank", "BLAN\xE2\x84\xAA"},    // U+212A folds to k
    {"x*", "中文x"},
    {"\\B文", "中文 文"},
    {"^\\w+$", "abc\n中文\ndef"},
    {"[^a]+",
     "a中\xF0\x9F\x98\x80"
     "a"},
    {"\\bword\\b", "word,中word文 words"},
    {"(a)|b", "ba"},
    {"<tr class=.*?>\\n(.*?)</td>", "<TR class=\"x\">\n中文</td>\n<tr class=y>\nno"},
};

TEST(Utf8Matcher, FindsWhatTheSixteenBitRunFinds) {
    for (const PatternCase& c : patternCases) {
        EXPECT_EQ(utf8Matches(c.pattern, c.subject), utf16MatchesAsBytes(c.pattern, c.subject))
            << c.pattern;
    }
}

TEST(Utf8Matcher, RefusesWhatTheTranslatorRefuses) {
    EXPECT_FALSE(compileUtf8Pattern("(?i)a"));
    EXPECT_FALSE(compileUtf8Pattern("a++"));
    EXPECT_FALSE(compileUtf8Pattern("(a"));
}

TEST(Utf8Matcher, LimitStopsTheRunInsteadOfGivingAPartialList) {
    const auto pattern = compileUtf8Pattern("x|^(a+)+$");
    ASSERT_TRUE(pattern);
    Utf8Search search(pattern);
    const std::string subject = "x\n" + std::string(25, 'a') + "!\nx";
    EXPECT_FALSE(findAllUtf8Matches(search, subject, 0, farDeadline()));
    EXPECT_FALSE(findAllUtf8Matches(search, "xx", 0, Clock::now() - std::chrono::seconds(1)));
}

struct PartsCase {
    std::string_view pattern;
    std::string subject;
};

// Matches that straddle part boundaries, overlap candidates of the next part
// or are empty; boundaries that fall inside characters.
const PartsCase partsCases[] = {
    {"aa", std::string(41, 'a')},
    {"a{3}|b", std::string(20, 'a') + "b" + std::string(20, 'a')},
    {"x*", "中文abc中文abc中文abc中文abc"},
    {"[\\s\\S]*", "one\ntwo\nthree\nfour\nfive\nsix"},
    {"\\bb", "ab_b ab b_b b ab b b_ab b bb b"},
    {"文.", "中文中文中文中文中文中文中文中文中文中文中文中文"},
    {"<tr>(.*?)</tr>", "<tr>1</tr><tr>二</tr>x<tr>3</tr>yy<tr>四</tr><tr>5</tr>"},
    {"q", "no match anywhere in this subject at all"},
    {"$", "a\nb\nc\nd\ne\nf"},
};

TEST(Utf8ParallelSearch, GivesTheSingleSearchForAnyNumberOfParts) {
    for (const PartsCase& c : partsCases) {
        const auto pattern = compileUtf8Pattern(c.pattern);
        ASSERT_TRUE(pattern) << c.pattern;
        const std::vector<size_t> single = utf8Matches(c.pattern, c.subject);
        for (size_t parts = 1; parts <= 9; ++parts) {
            for (size_t threads : {1, 3}) {
                const auto inParts = findAllUtf8MatchesInParts(pattern, c.subject, parts, threads,
                                                               farDeadline(), {});
                ASSERT_TRUE(inParts);
                EXPECT_EQ(inParts->flattened(), single)
                    << c.pattern << " in " << parts << " parts, " << threads << " threads";
            }
        }
    }
}

TEST(Utf8ParallelSearch, EveryPartGoesThroughTheCheckAndARefusalEndsTheRun) {
    const auto pattern = compileUtf8Pattern("b");
    ASSERT_TRUE(pattern);
    const std::string subject = "中文b中文b中文b中文b中文b";
    std::mutex lock;
    std::vector<std::string_view> seen;
    const PartCheck record = [&](std::string_view part) {
        const std::lock_guard<std::mutex> guard(lock);
        seen.push_back(part);
        return true;
    };
    ASSERT_TRUE(findAllUtf8MatchesInParts(pattern, subject, 4, 2, farDeadline(), record));
    std::sort(seen.begin(), seen.end(),
              [](std::string_view a, std::string_view b) { return a.data() < b.data(); });
    std::string joined;
    for (const std::string_view part : seen) {
        EXPECT_TRUE(survivesProgramText(part)) << "a part starts or ends inside a character";
        joined += part;
    }
    EXPECT_EQ(joined, subject);

    const PartCheck refuseLast = [&](std::string_view part) {
        return part.data() + part.size() != subject.data() + subject.size();
    };
    EXPECT_FALSE(findAllUtf8MatchesInParts(pattern, subject, 4, 2, farDeadline(), refuseLast));
    EXPECT_FALSE(findAllUtf8MatchesInParts(pattern, subject, 2, 2,
                                           Clock::now() - std::chrono::seconds(1), {}));
}

}  // namespace
