#include "regex/run_budget.h"

namespace {

std::chrono::milliseconds currentBudget{10'000};

}  // namespace

std::chrono::milliseconds runTimeBudget() {
    return currentBudget;
}

void setRunTimeBudget(std::chrono::milliseconds budget) {
    currentBudget = budget;
}
