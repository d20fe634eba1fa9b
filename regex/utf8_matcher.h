// The classic pattern engine over a UTF-8 subject, matched where it lies: the
// same translation, compile options and limits as RegexObject's runs, with
// offsets in bytes. For callers that hold UTF-8 and would otherwise convert a
// whole page only to find a few matches in it.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "regex/compiled_pattern.h"
#include "regex/pcre2_handles.h"

struct Utf8Pattern {
    Pcre2Code8 code;
    uint32_t groupCount = 0;
    bool jit = false;
};

// Nothing when the pattern (UTF-8) is rejected.
std::shared_ptr<const Utf8Pattern> compileUtf8Pattern(std::string_view pattern,
                                                      PatternOptions options = {});

// A pattern in PCRE2's own syntax that matches bytes, not characters: the
// same options as above but UTF (no case folding beyond ASCII, `.` is one
// byte). For a pattern written to give, on valid UTF-8, what a translated one
// gives, in fewer engine steps. Nothing when PCRE2 rejects it.
std::shared_ptr<const Utf8Pattern> compileBytePattern(std::string_view pcre2Pattern,
                                                      PatternOptions options = {});

// One thread's searches with one pattern. Not shared between threads.
class Utf8Search {
public:
    explicit Utf8Search(std::shared_ptr<const Utf8Pattern> pattern);

    enum class Outcome { Found, NoMore, Stopped };

    // The leftmost match at or after `start` in `subject`; with a UTF pattern
    // invalid UTF-8 matches nothing, as PCRE2_MATCH_INVALID_UTF has it. Found: offsets() holds
    // groupCount + 1 byte pairs, PCRE2_UNSET for a group that took no part. Stopped: an engine
    // limit ended the search, so what follows is unknown.
    Outcome find(std::string_view subject, size_t start);
    std::span<const size_t> offsets() const;

private:
    std::shared_ptr<const Utf8Pattern> pattern_;
    Pcre2MatchContext8 context_;
    Pcre2JitStack8 jitStack_;
    Pcre2MatchData8 data_;
};

// Where the search after a match at [begin, end) starts: the end, or one
// character further after an empty match; past the subject's end when
// nothing is left.
size_t nextSearchStart(std::string_view subject, size_t begin, size_t end);

// Every match from `start` on, as whole-match and group offset pairs, or
// nothing when a limit or `deadline` stopped the run before its end.
std::optional<std::vector<size_t>> findAllUtf8Matches(
    Utf8Search& search, std::string_view subject, size_t start,
    std::chrono::steady_clock::time_point deadline);
