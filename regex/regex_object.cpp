#include "regex/regex_object.h"

#include <algorithm>
#include <limits>

#include "regex/compiled_pattern.h"
#include "regex/match_runner.h"
#include "regex/match_set.h"
#include "regex/quote_token.h"
#include "regex/replacement.h"
#include "text/codepage.h"

namespace {

constexpr int32_t noPosition = -1;

std::string toProgramText(std::u16string_view units) {
    return wideToMultiByte(units, programCodePage);
}

void writeNoPosition(int32_t* out) {
    if (out != nullptr) *out = noPosition;
}

// The span's text and, when asked for, its byte offset.
std::string spanText(const MatchSet& set, const MatchSpan& span, int32_t* startPosition) {
    if (startPosition != nullptr) {
        *startPosition = static_cast<int32_t>(
            std::min<size_t>(set.byteOffset(span.start), std::numeric_limits<int32_t>::max()));
    }
    return toProgramText(
        std::u16string_view(set.subject).substr(span.start, span.end - span.start));
}

}  // namespace

RegexObject::RegexObject() = default;
RegexObject::RegexObject(const RegexObject&) = default;
RegexObject& RegexObject::operator=(const RegexObject&) = default;
RegexObject::~RegexObject() = default;

bool RegexObject::create(std::string_view pattern, std::string subject, bool caseSensitive,
                         bool multiLine, bool globalSearch, bool expandQuoteToken) {
    regExp_.reset();
    matches_.reset();
    const std::string_view patternBytes = textBytes(pattern);
    patternText_ = expandQuoteToken ? expandQuoteTokens(patternBytes) : std::string(patternBytes);
    regExp_ = compilePattern(multiByteToWide(patternText_, CodePage::Gb18030),
                             PatternOptions{caseSensitive, multiLine});
    if (!regExp_) return false;
    std::string text = std::move(subject);
    text.resize(textBytes(text).size());
    std::u16string units = multiByteToWide(text, CodePage::Gb18030);
    std::vector<size_t> offsets = findMatches(*regExp_, units, globalSearch);
    matches_ = std::make_shared<const MatchSet>(std::move(text), std::move(units),
                                                regExp_->groupCount, std::move(offsets));
    return true;
}

std::string RegexObject::patternText() const {
    return patternText_;
}

std::string RegexObject::replace(std::string_view replacement) const {
    if (!matches_) return {};
    return toProgramText(
        replaceMatches(*matches_, multiByteToWide(replacement, CodePage::Gb18030)));
}

int32_t RegexObject::matchCount() const {
    return matches_ ? static_cast<int32_t>(matches_->matchCount()) : 0;
}

int32_t RegexObject::subMatchCount() const {
    return matchCount() > 0 ? static_cast<int32_t>(matches_->groupCount) : 0;
}

std::string RegexObject::matchText(int32_t index, int32_t* startPosition) const {
    if (index < 1 || index > matchCount()) {
        writeNoPosition(startPosition);
        return {};
    }
    const MatchSet& set = *matches_;
    return spanText(set, *set.span(static_cast<size_t>(index - 1), 0), startPosition);
}

std::string RegexObject::subMatchText(int32_t matchIndex, int32_t groupIndex,
                                      int32_t* startPosition) const {
    if (matchIndex < 1 || matchIndex > matchCount() || groupIndex < 1 ||
        groupIndex > subMatchCount()) {
        writeNoPosition(startPosition);
        return {};
    }
    const MatchSet& set = *matches_;
    const std::optional<MatchSpan> group =
        set.span(static_cast<size_t>(matchIndex - 1), static_cast<size_t>(groupIndex));
    if (!group) {
        writeNoPosition(startPosition);
        return {};
    }
    return spanText(set, *group, startPosition);
}
