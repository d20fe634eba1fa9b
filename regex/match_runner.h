// The one match loop: every match of a compiled pattern in a subject.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "regex/compiled_pattern.h"

// Per match, groupCount + 1 pairs of UTF-16 offsets (start, end): the whole
// match, then each group, PCRE2_UNSET for a group that took no part. Only the
// first match unless `global`. After an empty match the search goes on one
// character further. A search that reaches an engine limit (backtracking,
// memory, JIT stack) ends the run, and so does the run's time budget
// (run_budget.h); the matches found before are kept.
std::vector<size_t> findMatches(const CompiledPattern& pattern, std::u16string_view subject,
                                bool global);
