// How long one run of a pattern (every search of one create) may take.
//
// Each start position of a search is bounded by the engine's match limit, but
// a run makes one search per match and a search tries many positions: a
// pattern that backtracks just under the limit at every position would run
// for hours over a page. Once the budget is spent the run ends, after the
// search in progress or, for a pattern tried at every position, at the next
// position that search tries (compiled_pattern.cpp); it keeps the matches
// found so far. A result page's rows take milliseconds, far below it.
#pragma once

#include <chrono>

std::chrono::milliseconds runTimeBudget();

// Replaces the budget; tests lower it. Set it while no run is going on.
void setRunTimeBudget(std::chrono::milliseconds budget);
