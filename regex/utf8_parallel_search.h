// Every match of a pattern in a big UTF-8 subject, the subject's parts
// searched at the same time. The result is the one a single search from the
// start gives: each part's matches are joined where its sequence meets the
// one coming from before. That holds for valid UTF-8 only: in invalid UTF-8
// the engine's fragments depend on where a search starts, so a caller that
// may hold such bytes must refuse them with the part check.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "regex/utf8_matcher.h"

// Judges the bytes of one part; parts begin at character starts.
using PartCheck = std::function<bool(std::string_view part)>;

// As findAllUtf8Matches from 0, the subject cut into `parts` searched by up to
// `threads` threads; nothing when a limit or `deadline` stopped any part, or
// `acceptPart` (run by the thread that searched the part, on the part's own
// bytes, so the whole subject is checked at no extra wait) refused one.
std::optional<std::vector<size_t>> findAllUtf8MatchesInParts(
    const std::shared_ptr<const Utf8Pattern>& pattern, std::string_view subject, size_t parts,
    size_t threads, std::chrono::steady_clock::time_point deadline, const PartCheck& acceptPart);
