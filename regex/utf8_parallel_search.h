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

// Every match of a run in subject order, kept in the pieces the parts found
// them in: joining the pieces into one list would copy megabytes into fresh
// memory for a big page.
class Utf8MatchList {
public:
    explicit Utf8MatchList(size_t width) : width_(width) {}

    size_t size() const { return count_; }
    size_t width() const { return width_; }  // offsets per match
    // The offsets of match `index` (whole match, then each group).
    const size_t* operator[](size_t index) const;
    // All offsets in one list, as findAllUtf8Matches gives them.
    std::vector<size_t> flattened() const;

    // Adds matches [from, to) of `offsets` (counted in offsets), which must
    // outlive the list or be handed to it with keep().
    void addRun(const std::vector<size_t>& offsets, size_t from, size_t to);
    // Takes over a vector whose matches were added or are added next; moving
    // it keeps its elements where they are.
    const std::vector<size_t>& keep(std::vector<size_t> offsets);

private:
    struct Run {
        const size_t* first;
        size_t before;  // matches in earlier runs
    };

    size_t width_;
    size_t count_ = 0;
    std::vector<Run> runs_;
    std::vector<std::vector<size_t>> storage_;
};

// Judges the bytes of one part; parts begin at character starts.
using PartCheck = std::function<bool(std::string_view part)>;

// As findAllUtf8Matches from 0, the subject cut into `parts` searched by up to
// `threads` threads; nothing when a limit or `deadline` stopped any part, or
// `acceptPart` (run on the part's own bytes by the thread that then searches
// it, so the whole subject is checked at no extra wait) refused one.
std::optional<Utf8MatchList> findAllUtf8MatchesInParts(
    const std::shared_ptr<const Utf8Pattern>& pattern, std::string_view subject, size_t parts,
    size_t threads, std::chrono::steady_clock::time_point deadline, const PartCheck& acceptPart);
