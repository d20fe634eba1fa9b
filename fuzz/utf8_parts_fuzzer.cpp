// The parallel search over parts against one search from the start.
//
// Input: one byte giving the number of parts (1 to 8, low bits) and threads
// (1 to 4, high bits), then the pattern, a
// zero byte and the subject. Only valid UTF-8 subjects are compared: in
// invalid UTF-8 the engine's fragments depend on where a search starts (found
// by this target), which is why the one caller checks every part.
#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "regex/utf8_matcher.h"
#include "regex/utf8_parallel_search.h"

namespace {

constexpr size_t maxPattern = 256;
constexpr size_t maxSubject = 2048;
// A pattern that backtracks near the match limit at every position makes a
// slow input; a short budget ends it, and such a run compares nothing.
constexpr std::chrono::milliseconds budget{250};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const size_t parts = data[0] % 8 + 1;
    const size_t threads = (data[0] >> 3) % 4 + 1;
    std::string_view rest = asBytes(data + 1, size - 1);
    const size_t cut = std::min(rest.find('\0'), rest.size());
    const std::string_view pattern = rest.substr(0, cut);
    const std::string_view subject = rest.substr(std::min(cut + 1, rest.size()));
    if (pattern.size() > maxPattern || subject.size() > maxSubject) return 0;
    if (!isWellFormedUtf8(subject)) return 0;

    const auto compiled = compileUtf8Pattern(pattern);
    if (!compiled) return 0;
    const auto deadline = std::chrono::steady_clock::now() + budget;
    Utf8Search search(compiled);
    const std::optional<std::vector<size_t>> single =
        findAllUtf8Matches(search, subject, 0, deadline);
    const std::optional<Utf8MatchList> inParts =
        findAllUtf8MatchesInParts(compiled, subject, parts, threads, deadline, {});
    if (!single || !inParts) return 0;  // a limit or the budget: nothing to compare
    FUZZ_CHECK(*single == inParts->flattened());
    FUZZ_CHECK(inParts->size() * inParts->width() == single->size());
    return 0;
}
