// A pattern compiled once and never changed, so copies of a RegexObject can
// share it.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "regex/pcre2_handles.h"

struct PatternOptions {
    bool caseSensitive = false;
    bool multiLine = true;
};

struct CompiledPattern {
    Pcre2Code code;
    uint32_t groupCount = 0;
    bool jit = false;  // JIT code is available for this pattern
    // The code calls callout 0 at every start position it tries, so that a
    // single search can be ended at the run's deadline (match_runner.cpp).
    bool calloutAtEachStart = false;
};

// PCRE2's compile options for a translated pattern (any code unit width).
uint32_t pcre2CompileOptions(PatternOptions options);

// Nothing when the pattern is rejected, by its translation or by PCRE2.
std::shared_ptr<const CompiledPattern> compilePattern(std::u16string_view pattern,
                                                      PatternOptions options);
