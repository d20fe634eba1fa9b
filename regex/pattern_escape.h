// One backslash escape of a classic-engine pattern, read into what it stands for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

struct PatternEscape {
    enum class Kind {
        Character,      // value: a code point to match literally
        Shorthand,      // value: one of d D s S w W
        BackReference,  // value: group number
        Assertion,      // value: b or B (outside a class only)
        LoneSurrogate,  // value: half a surrogate pair from a \u escape; can never match
        Backslash,      // \c without a control letter: a literal backslash, and the
                        // "c" is read again as a plain character
    };
    Kind kind;
    char32_t value = 0;
};

// Reads the escape whose backslash is at pattern[pos - 1], advancing pos past
// it. Requires pos < pattern.size(). `groupCount` decides whether \N is a
// back-reference or a legacy octal escape.
PatternEscape readEscape(std::u16string_view pattern, size_t& pos, bool inClass,
                         uint32_t groupCount);
