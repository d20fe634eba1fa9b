#include "regex/match_set.h"

#include "regex/pcre2_handles.h"

MatchSet::MatchSet(std::string searched, std::u16string decoded, uint32_t groups,
                   std::vector<size_t> spans)
    : text(std::move(searched)),
      subject(std::move(decoded)),
      groupCount(groups),
      offsets(std::move(spans)) {}

std::optional<MatchSpan> MatchSet::span(size_t match, size_t group) const {
    const size_t at = (match * (groupCount + 1) + group) * 2;
    if (offsets[at] == PCRE2_UNSET) return std::nullopt;
    return MatchSpan{offsets[at], offsets[at + 1]};
}

size_t MatchSet::byteOffset(size_t unit) const {
    std::call_once(offsetMapBuilt_,
                   [this] { offsetMap_ = std::make_unique<Gb18030OffsetMap>(text, subject); });
    return offsetMap_->byteOffset(unit);
}
