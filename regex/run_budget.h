// How long one run of a pattern (every search of one create) may take.
//
// Each search is bounded by the engine's match limit, but a run makes one
// search per match: a pattern that backtracks just under the limit before
// every match would run for hours over a page. Once the budget is spent, the
// run ends after the search in progress and keeps the matches found so far; a
// result page's rows take milliseconds, far below it.
#pragma once

#include <chrono>

std::chrono::milliseconds runTimeBudget();

// Replaces the budget; tests lower it. Set it while no run is going on.
void setRunTimeBudget(std::chrono::milliseconds budget);
