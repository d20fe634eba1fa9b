// The translation of one pattern, a character at a time (used by
// pattern_translation.cpp; the character classes are in pattern_class.cpp).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class PatternTranslator {
public:
    PatternTranslator(std::u16string_view pattern, uint32_t groupCount)
        : in_(pattern), groups_(groupCount) {}

    // The PCRE2 pattern, or nothing when the pattern is rejected.
    std::optional<std::u16string> run();

private:
    // A class member: a code point (a surrogate one matches nothing) or a
    // shorthand such as \d.
    struct ClassAtom {
        enum class Kind { Character, Shorthand } kind;
        char32_t value = 0;
    };

    bool step();
    void emitRaw(char16_t c, bool quantifiable);
    void emitCharacter(char32_t c);
    bool escape();
    void emitBackReference(uint32_t group);
    bool group();
    bool quantifier();

    bool characterClass();
    bool classItem();
    ClassAtom classAtom();
    void appendClassAtom(const ClassAtom& atom);
    bool classRange(const ClassAtom& first, const ClassAtom& last);
    void appendRangePart(char32_t low, char32_t high);

    std::u16string_view in_;
    uint32_t groups_;
    size_t pos_ = 0;
    bool canQuantify_ = false;  // the last item can take a quantifier
    std::u16string out_;
};
