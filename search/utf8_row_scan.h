// The row scan over a fetched UTF-8 page as it lies, for output that stays
// UTF-8 (vantrel-scan): no conversion of the page, the halves of a big page
// searched at once.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "regex/utf8_parallel_search.h"

// Views into the scanned page.
struct Utf8Row {
    std::string_view updateTime;
    std::string_view size;
    std::string_view link;
    std::string_view name;
};

// The rows of one scan, read from the match offsets when asked for.
class Utf8Rows {
public:
    Utf8Rows(std::string_view page, Utf8MatchList matches)
        : page_(page), matches_(std::move(matches)) {}

    size_t size() const { return matches_.size(); }
    Utf8Row operator[](size_t index) const;

private:
    std::string_view group(const size_t* match, size_t number) const;

    std::string_view page_;
    Utf8MatchList matches_;
};

// The rows scanPage finds, in UTF-8, when scanPage's conversions would leave
// the page unchanged (survivesProgramText: no zero byte, for one) and no
// engine limit or time budget ends the run; nothing otherwise, and the caller
// takes scanPage.
std::optional<Utf8Rows> scanUtf8Page(std::string_view utf8Page);
