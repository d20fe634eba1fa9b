#include "regex/match_runner.h"

#include <chrono>

#include "regex/match_limits.h"
#include "regex/run_budget.h"
#include "regex/utf16_units.h"

namespace {

using Clock = std::chrono::steady_clock;

// The start-position callout; `deadline` is the run's. The clock is read at
// every call: one position may take tens of milliseconds, so skipping reads
// would let the search run on that many positions past the deadline.
int endSearchAtDeadline(pcre2_callout_block_16*, void* deadline) {
    return Clock::now() >= *static_cast<const Clock::time_point*>(deadline) ? PCRE2_ERROR_CALLOUT
                                                                            : 0;
}

struct MatchRun {
    Pcre2MatchContext context;
    Pcre2JitStack jitStack;
    Pcre2MatchData data;
};

MatchRun prepareRun(const CompiledPattern& pattern, Clock::time_point& deadline) {
    MatchRun run;
    run.context.reset(pcre2_match_context_create_16(nullptr));
    run.data.reset(pcre2_match_data_create_from_pattern_16(pattern.code.get(), nullptr));
    if (!run.context) return run;
    pcre2_set_match_limit_16(run.context.get(), matchLimit);
    pcre2_set_depth_limit_16(run.context.get(), depthLimit);
    pcre2_set_heap_limit_16(run.context.get(), heapLimitKiB);
    if (pattern.calloutAtEachStart) {
        pcre2_set_callout_16(run.context.get(), endSearchAtDeadline, &deadline);
    }
    if (pattern.jit) {
        // Without a stack of its own the JIT gets 32 KiB on the machine stack.
        run.jitStack.reset(pcre2_jit_stack_create_16(jitStackStart, jitStackMax, nullptr));
        pcre2_jit_stack_assign_16(run.context.get(), nullptr, run.jitStack.get());
    }
    return run;
}

// Where the search after a match at [begin, end) starts; past the subject's
// end when there is nothing left to search.
size_t nextStart(std::u16string_view subject, size_t begin, size_t end) {
    if (end > begin) return end;
    if (end >= subject.size()) return subject.size() + 1;
    return end + unitsOfCharacterAt(subject, end);
}

}  // namespace

std::vector<size_t> findMatches(const CompiledPattern& pattern, std::u16string_view subject,
                                bool global) {
    std::vector<size_t> offsets;
    Clock::time_point deadline = Clock::now() + runTimeBudget();
    const MatchRun run = prepareRun(pattern, deadline);
    if (!run.context || !run.data) return offsets;
    const auto* text = reinterpret_cast<PCRE2_SPTR16>(subject.data());
    const size_t pairs = pattern.groupCount + 1;
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer_16(run.data.get());
    size_t start = 0;
    while (start <= subject.size()) {
        if (!offsets.empty() && Clock::now() >= deadline) break;
        const int rc = pcre2_match_16(pattern.code.get(), text, subject.size(), start, 0,
                                      run.data.get(), run.context.get());
        if (rc < 0) break;  // no further match, a limit reached, or the deadline
        offsets.insert(offsets.end(), ovector, ovector + 2 * pairs);
        if (!global) break;
        start = nextStart(subject, ovector[0], ovector[1]);
    }
    return offsets;
}
