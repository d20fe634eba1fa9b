// One regular expression run over one text, with match and group queries.
//
// Texts in and out are program text (GB18030 bytes). The engine is PCRE2's
// 16-bit library; patterns are read with the rules of the classic scripting
// regex engine (ECMAScript 3 style), see pattern_translation.h.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct CompiledPattern;  // immutable, shared between copies
struct MatchSet;         // immutable result of one run, shared between copies

class RegexObject {
public:
    RegexObject();
    RegexObject(const RegexObject&);
    RegexObject& operator=(const RegexObject&);
    ~RegexObject();

    // Compiles `pattern` and finds its matches in `subject`. Returns true when
    // the run produced a match collection (possibly empty), false when the
    // pattern was rejected. Every call discards the previous run. The object
    // keeps the subject; hand it over with std::move to spare a copy of a page.
    bool create(std::string_view pattern, std::string subject, bool caseSensitive = false,
                bool multiLine = true, bool globalSearch = true, bool expandQuoteToken = false);

    // The pattern of the last create (quote tokens expanded); empty before any.
    std::string patternText() const;

    // The searched text with the matches replaced ($1..$99, $&, $`, $', $$).
    std::string replace(std::string_view replacement) const;

    int32_t matchCount() const;
    int32_t subMatchCount() const;

    // 1-based indexes; out of range gives the empty text. startPosition, when
    // given, receives the 0-based byte offset in the searched program text of
    // the match or of the group itself, or -1 when the index names no match or
    // group or the group took no part.
    std::string matchText(int32_t index, int32_t* startPosition = nullptr) const;
    std::string subMatchText(int32_t matchIndex, int32_t groupIndex,
                             int32_t* startPosition = nullptr) const;

private:
    // Both empty before the first create and after a rejected pattern.
    std::shared_ptr<const CompiledPattern> regExp_;
    std::shared_ptr<const MatchSet> matches_;  // holds the searched text as well
    std::string patternText_;
};
