// The result of one run: the searched text and where each match and group lies.
// Never changed after the run, so copies of a RegexObject share it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "regex/gb18030_offsets.h"

struct MatchSpan {
    size_t start = 0;  // UTF-16 offsets in the subject
    size_t end = 0;
};

struct MatchSet {
    MatchSet(std::string searched, std::u16string decoded, uint32_t groups,
             std::vector<size_t> spans);

    std::string text;        // the searched program text
    std::u16string subject;  // its UTF-16 form, in which the offsets count
    uint32_t groupCount = 0;
    std::vector<size_t> offsets;  // see findMatches

    size_t matchCount() const { return offsets.size() / (2 * (groupCount + 1)); }

    // Group `group` (0: the whole match) of match `match` (0-based); nothing
    // when that group took no part. Both must be in range.
    std::optional<MatchSpan> span(size_t match, size_t group) const;

    // The byte offset in `text` of the character at UTF-16 offset `unit`.
    size_t byteOffset(size_t unit) const;

private:
    // Built on the first position query only: the row scan never asks for one.
    mutable std::once_flag offsetMapBuilt_;
    mutable std::unique_ptr<const Gb18030OffsetMap> offsetMap_;
};
