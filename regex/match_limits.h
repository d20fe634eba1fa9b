// Bounds on one search, so that no pattern can make a run go on without end:
// PCRE2's backtracking count, the interpreter's depth and memory, and the
// JIT's stack. Every match loop of the program uses these.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr uint32_t matchLimit = 10'000'000;
constexpr uint32_t depthLimit = 1'000'000;
constexpr uint32_t heapLimitKiB = 256 * 1024;
constexpr size_t jitStackStart = 32 * 1024;
constexpr size_t jitStackMax = 8 * 1024 * 1024;
