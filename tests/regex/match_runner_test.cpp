// The match loop's limits, with the JIT and with the interpreter that runs
// when no JIT is available. A search that reaches a limit ends the run and
// keeps the matches found before it.
#include "regex/match_runner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "regex/run_budget.h"

#include "text/codepage.h"

namespace {

// The same pattern without its JIT code (PCRE2 does not copy that).
CompiledPattern interpreterCopy(const CompiledPattern& jitted) {
    CompiledPattern copy;
    copy.code.reset(pcre2_code_copy_16(jitted.code.get()));
    copy.groupCount = jitted.groupCount;
    copy.jit = false;
    return copy;
}

struct LimitCase {
    std::string_view what;
    std::u16string_view pattern;
    std::u16string subject;
};

// Without the limits each subject would give three or two matches within a
// second; with them the run ends at the stretch in the middle.
TEST(MatchRunner, RunEndsAtALimitKeepingEarlierMatches) {
    const LimitCase cases[] = {
        // 2^25 backtracking steps, beyond the match limit.
        {"exponential backtracking", u"x|^(a+)+$", u"x\n" + std::u16string(25, u'a') + u"!\nx"},
        // One nesting level per repetition: beyond the JIT stack and the
        // interpreter's depth.
        {"deeply nested repetition", u"x|(?:a|bc)+!",
         u"x\n" + std::u16string(2'000'000, u'a') + u"!\nx"},
    };
    for (const LimitCase& c : cases) {
        const auto jitted = compilePattern(c.pattern, PatternOptions{});
        ASSERT_TRUE(jitted) << c.what;
        const CompiledPattern interpreted = interpreterCopy(*jitted);
        for (const CompiledPattern* pattern : {jitted.get(), &interpreted}) {
            const std::vector<size_t> offsets = findMatches(*pattern, c.subject, true);
            const size_t pairs = 2 * (pattern->groupCount + 1);
            ASSERT_EQ(offsets.size(), pairs) << c.what << (pattern->jit ? " (JIT)" : "");
            EXPECT_EQ(offsets[0], 0u);
            EXPECT_EQ(offsets[1], 1u);
        }
    }
}

}  // namespace

// Every search backtracks just under the match limit before it finds its one
// character, so without a budget for the whole run these 300 characters take
// about ten seconds (a page of them, hours). The run ends once the budget is spent, keeping what it
// found.
TEST(MatchRunner, RunEndsWhenItsTimeBudgetIsSpent) {
    const auto saved = runTimeBudget();
    setRunTimeBudget(std::chrono::milliseconds(200));
    const auto pattern = compilePattern(u"(?=a*a*a*a*[^a])|.", PatternOptions{});
    ASSERT_TRUE(pattern);
    const std::u16string subject(300, u'a');
    const auto started = std::chrono::steady_clock::now();
    const std::vector<size_t> offsets = findMatches(*pattern, subject, true);
    const auto took = std::chrono::steady_clock::now() - started;
    setRunTimeBudget(saved);
    const size_t matches = offsets.size() / 2;
    EXPECT_GT(matches, 0u);
    EXPECT_LT(matches, subject.size());
    EXPECT_LT(took, std::chrono::seconds(5));
    for (size_t i = 0; i < matches; ++i) {
        EXPECT_EQ(offsets[2 * i], i);  // one character each, from the start, none lost
        EXPECT_EQ(offsets[2 * i + 1], i + 1);
    }
}

// Found by fuzzing: a search that finds nothing tries every start position in
// one engine call, each start just under the match limit; looked at between
// searches only, the budget let this one take about 6 s for 512 characters,
// twice that for 1024, minutes for a page. The pattern's callout at each start
// position now ends the search at the deadline.
TEST(MatchRunner, SearchWithoutMatchEndsWithinTheBudget) {
    const auto saved = runTimeBudget();
    setRunTimeBudget(std::chrono::milliseconds(200));
    const auto pattern =
        compilePattern(u"(?=a{0,60}a{0,60}a{0,60}a{0,60}[^a])|b", PatternOptions{});
    ASSERT_TRUE(pattern);
    const std::u16string subject(512, u'a');
    const auto started = std::chrono::steady_clock::now();
    const std::vector<size_t> offsets = findMatches(*pattern, subject, true);
    const auto took = std::chrono::steady_clock::now() - started;
    setRunTimeBudget(saved);
    EXPECT_TRUE(offsets.empty());  // there is no "b", and no lookahead succeeds
    EXPECT_LT(took, std::chrono::seconds(2));
}
