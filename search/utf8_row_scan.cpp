#include "search/utf8_row_scan.h"

#include <algorithm>
#include <memory>
#include <thread>

#include "regex/run_budget.h"
#include "regex/utf8_parallel_search.h"
#include "search/byte_row_pattern.h"
#include "text/codepage.h"

namespace {

// Parts small enough that the threads share the work evenly, large enough that
// the match each part searches past its end is a small share of it. A page
// below two parts' size is searched by one thread: starting another costs more.
constexpr size_t bytesPerPart = 256 * 1024;
constexpr size_t maxParts = 256;
constexpr size_t maxThreads = 8;

const std::shared_ptr<const Utf8Pattern>& rowPatternForUtf8() {
    static const std::shared_ptr<const Utf8Pattern> pattern = compileBytePattern(byteRowPattern());
    return pattern;
}

size_t partsFor(size_t bytes) {
    return std::clamp<size_t>(bytes / bytesPerPart, 1, maxParts);
}

size_t threadsFor(size_t parts) {
    return std::min({parts, maxThreads, std::max<size_t>(std::thread::hardware_concurrency(), 1)});
}

}  // namespace

Utf8Row Utf8Rows::operator[](size_t index) const {
    const size_t* match = matches_[index];
    return {group(match, 1), group(match, 2), group(match, 3), group(match, 4)};
}

std::string_view Utf8Rows::group(const size_t* match, size_t number) const {
    const size_t* pair = match + 2 * number;
    if (pair[0] == PCRE2_UNSET) return {};
    return page_.substr(pair[0], pair[1] - pair[0]);
}

// The whole page, not cut at a zero byte: the part check refuses a page that
// holds one (rare, and scanPage cuts it), and looking for it here would be a
// pass over the page on one thread before the parts start.
std::optional<Utf8Rows> scanUtf8Page(std::string_view utf8Page) {
    const std::shared_ptr<const Utf8Pattern>& pattern = rowPatternForUtf8();
    if (!pattern || pattern->groupCount != 4) return std::nullopt;
    const auto deadline = std::chrono::steady_clock::now() + runTimeBudget();
    const size_t parts = partsFor(utf8Page.size());
    std::optional<Utf8MatchList> matches = findAllUtf8MatchesInParts(
        pattern, utf8Page, parts, threadsFor(parts), deadline, survivesProgramText);
    if (!matches) return std::nullopt;
    return Utf8Rows(utf8Page, std::move(*matches));
}
