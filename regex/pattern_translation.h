// Reads a pattern written for the classic scripting regex engine (ECMAScript 3
// with its web-compatibility extensions) and writes the PCRE2 pattern that
// means the same under the compile options of compiled_pattern.cpp.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct TranslatedPattern {
    std::u16string pcre2;
    uint32_t groupCount = 0;  // capturing groups, numbered by their opening parenthesis
};

// Nothing when the pattern uses syntax that the classic engine rejects but
// PCRE2 would take as one of its extensions: (?<...>, (?i), (*VERB), possessive
// or doubled quantifiers. Errors that both engines see (an unbalanced
// parenthesis) are left for PCRE2 to report.
std::optional<TranslatedPattern> translatePattern(std::u16string_view pattern);

// Number of capturing groups: every "(" outside a class that is not escaped and
// not followed by "?".
uint32_t countCapturingGroups(std::u16string_view pattern);
