// RegexObject with an arbitrary pattern, subject and replacement.
//
// Input: one byte of option bits, then the pattern, a zero byte, the subject,
// a zero byte and the replacement. A zero byte cuts program text, so it can
// only be the separator; bit 4 hands the texts over with a zero byte and more
// bytes behind them, which every call must ignore.
#include <algorithm>
#include <chrono>
#include <map>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "regex/regex_object.h"
#include "regex/run_budget.h"
#include "text/codepage.h"

namespace {

constexpr size_t maxPattern = 4 * 1024;
// A run makes up to one search per character, each bounded by the match limit,
// so a short subject keeps every input fast.
constexpr size_t maxSubject = 512;
constexpr size_t maxReplacement = 512;
// A run whose searches each stay just under the match limit ends at its time
// budget (10 s by default); a short one keeps such inputs, and their many
// mutations, from slowing the whole run down.
constexpr std::chrono::milliseconds runBudget{250};
// At most this many match or group indexes are asked per end of the range.
constexpr int32_t indexesPerEnd = 24;

// "#引号" in GB18030.
constexpr std::string_view quoteToken = "#\xD2\xFD\xBA\xC5";

struct Options {
    bool caseSensitive, multiLine, global, expandQuoteToken, trailingBytes;
};

Options readOptions(uint8_t bits) {
    return {(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, (bits & 8) != 0,
            (bits & 16) != 0};
}

// Splits off the bytes up to the next zero byte (or the end).
std::string_view nextPart(std::string_view& rest) {
    const size_t end = std::min(rest.find('\0'), rest.size());
    const std::string_view part = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    return part;
}

// Indexes first..last, or the first and last few of them when there are many.
std::vector<int32_t> indexesToAsk(int32_t first, int32_t last) {
    std::vector<int32_t> out;
    for (int32_t i = first; i <= last; ++i) {
        if (i - first >= indexesPerEnd && last - i >= indexesPerEnd) i = last - indexesPerEnd;
        out.push_back(i);
    }
    return out;
}

// Program text as the regex holds it: decoded and encoded again.
std::string asReencoded(std::string_view text) {
    return wideToMultiByte(multiByteToWide(text, CodePage::Gb18030));
}

// Offsets in the searched text, carried over to the text as the regex holds it
// (decoded and encoded again, see asReencoded): a bad byte comes back as the
// four bytes of U+FFFD, and glibc reads a few four-byte codes as characters it
// writes with two bytes. At a character boundary b, the held text's offset is
// the length of the first b bytes held.
class HeldText {
public:
    explicit HeldText(std::string_view searched)
        : held(asReencoded(searched)), searched_(searched) {}

    const std::string held;

    size_t offsetOf(size_t byte) const {
        const auto known = offsets_.find(byte);
        if (known != offsets_.end()) return known->second;
        const size_t offset = asReencoded(searched_.substr(0, byte)).size();
        offsets_.emplace(byte, offset);
        return offset;
    }

private:
    std::string_view searched_;
    mutable std::map<size_t, size_t> offsets_;  // the few starts asked, each once
};

struct Span {
    size_t start, length;  // in the held text
};

// A reported piece and its start: the start lies in the searched text, and the
// piece is what the held text has there.
Span checkPiece(std::string_view subject, const HeldText& heldText, std::string_view piece,
                int32_t start) {
    FUZZ_CHECK(start >= 0);
    FUZZ_CHECK(static_cast<size_t>(start) <= subject.size());
    FUZZ_CHECK(piece.find('\0') == std::string_view::npos);
    const size_t at = heldText.offsetOf(static_cast<size_t>(start));
    FUZZ_CHECK(heldText.held.substr(at, piece.size()) == piece);
    return {at, piece.size()};
}

void checkRejected(const RegexObject& regex, std::string_view replacement) {
    FUZZ_CHECK(regex.matchCount() == 0);
    FUZZ_CHECK(regex.subMatchCount() == 0);
    FUZZ_CHECK(regex.replace(replacement).empty());
    int32_t start = 0;
    FUZZ_CHECK(regex.matchText(1, &start).empty() && start == -1);
    start = 0;
    FUZZ_CHECK(regex.subMatchText(1, 1, &start).empty() && start == -1);
}

void checkPatternText(const RegexObject& regex, std::string_view pattern, bool expanded) {
    const std::string text = regex.patternText();
    if (!expanded || pattern.find('#') == std::string_view::npos) {
        FUZZ_CHECK(text == pattern);
    } else {
        // '#' never ends a GB18030 character, so every token starts one and is expanded.
        FUZZ_CHECK(text.find(quoteToken) == std::string::npos);
        FUZZ_CHECK(text.size() <= pattern.size());
    }
}

// Every match: in range, in order, not overlapping; its text at its start.
std::vector<Span> checkMatches(const RegexObject& regex, std::string_view subject,
                               const HeldText& heldText) {
    const int32_t count = regex.matchCount();
    std::vector<Span> spans;
    int32_t previousStart = -1;
    for (int32_t i = 1; i <= count; ++i) {
        int32_t start = -2;
        const std::string text = regex.matchText(i, &start);
        const Span span = checkPiece(subject, heldText, text, start);
        // A later search starts after the last match, at least one character on.
        FUZZ_CHECK(start > previousStart);
        if (!spans.empty()) FUZZ_CHECK(spans.back().start + spans.back().length <= span.start);
        previousStart = start;
        spans.push_back(span);
    }
    for (int32_t i : {-1, 0, count + 1}) {
        int32_t start = 0;
        FUZZ_CHECK(regex.matchText(i, &start).empty() && start == -1);
    }
    return spans;
}

void checkGroups(const RegexObject& regex, std::string_view subject, const HeldText& heldText) {
    const int32_t count = regex.matchCount();
    const int32_t groups = regex.subMatchCount();
    for (int32_t i : indexesToAsk(0, count + 1)) {
        for (int32_t g : indexesToAsk(0, groups + 1)) {
            int32_t start = -2;
            const std::string text = regex.subMatchText(i, g, &start);
            if (i < 1 || i > count || g < 1 || g > groups || start == -1) {
                FUZZ_CHECK(text.empty());
                FUZZ_CHECK(start == -1);
            } else {
                // A group in a lookahead may lie beyond its match, so only the subject bounds it.
                checkPiece(subject, heldText, text, start);
            }
        }
    }
}

void checkReplace(const RegexObject& regex, const HeldText& heldText,
                  const std::vector<Span>& spans, std::string_view replacement) {
    // Each match by itself: the subject as the regex holds it.
    const std::string& held = heldText.held;
    FUZZ_CHECK(regex.replace("$&") == held);
    // Each match by all of the subject: never shorter than the subject.
    FUZZ_CHECK(regex.replace("$`$&$'").size() >= held.size());

    const std::string replaced = regex.replace(replacement);
    FUZZ_CHECK(replaced.find('\0') == std::string::npos);
    if (replacement.find('$') != std::string_view::npos) return;
    // Without "$" the replacement goes in as it is, between the untouched pieces.
    const std::string inserted = asReencoded(replacement);
    std::string want;
    size_t copied = 0;
    for (const Span& s : spans) {
        want.append(held, copied, s.start - copied);
        want += inserted;
        copied = s.start + s.length;
    }
    want.append(held, copied);
    FUZZ_CHECK(replaced == want);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setRunTimeBudget(runBudget);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const Options options = readOptions(data[0]);
    std::string_view rest = asBytes(data + 1, size - 1);
    const std::string_view pattern = nextPart(rest);
    const std::string_view subject = nextPart(rest);
    const std::string_view replacement = rest;
    if (pattern.size() > maxPattern || subject.size() > maxSubject ||
        replacement.size() > maxReplacement) {
        return 0;
    }

    std::string patternArg(pattern), subjectArg(subject);
    if (options.trailingBytes) {
        const std::string tail = std::string(1, '\0') + std::string(replacement);
        patternArg += tail;
        subjectArg += tail;
    }

    RegexObject regex;
    const bool created = regex.create(patternArg, subjectArg, options.caseSensitive,
                                      options.multiLine, options.global, options.expandQuoteToken);
    checkPatternText(regex, pattern, options.expandQuoteToken);
    if (!created) {
        checkRejected(regex, replacement);
        return 0;
    }

    const int32_t count = regex.matchCount();
    FUZZ_CHECK(count >= 0);
    if (!options.global) FUZZ_CHECK(count <= 1);
    // Each match after the first starts at least one character further on.
    FUZZ_CHECK(static_cast<size_t>(count) <= subject.size() + 1);
    FUZZ_CHECK(regex.subMatchCount() >= 0);
    if (count == 0) FUZZ_CHECK(regex.subMatchCount() == 0);

    const HeldText heldText(subject);
    const std::vector<Span> spans = checkMatches(regex, subject, heldText);
    checkGroups(regex, subject, heldText);
    checkReplace(regex, heldText, spans, replacement);

    // A copy answers the same and keeps its answers when the original runs again.
    RegexObject copy(regex);
    FUZZ_CHECK(copy.matchCount() == count);
    FUZZ_CHECK(copy.matchText(count) == regex.matchText(count));
    regex.create("x", "x");
    FUZZ_CHECK(copy.matchCount() == count);
    return 0;
}
