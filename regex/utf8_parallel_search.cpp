#include "regex/utf8_parallel_search.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <span>
#include <system_error>
#include <thread>

#include "text/utf8.h"

namespace {

using Clock = std::chrono::steady_clock;

// A part's matches: those that start before the next part's boundary, then
// at most one that starts at or after it ("beyond"), the point where the
// next part's own sequence takes over.
struct PartMatches {
    std::vector<size_t> offsets;  // pairs per match, `width` values each
    bool hasBeyond = false;
    bool stopped = false;  // by a limit, the deadline or the part check
};

struct Search {
    Utf8Search engine;
    std::string_view subject;
    size_t width;  // offsets per match
    Clock::time_point deadline;
};

// Room for a match every 256 bytes (a result row takes about 600): growing a
// vector copies it into fresh memory, and a part's vector stays below the
// size the allocator maps on its own, which would cost a system call to free.
void reserveFor(PartMatches& part, size_t bytes, size_t width) {
    part.offsets.reserve(width * (bytes / 256 + 4));
}

// Searches from `start` and appends matches until one starts at or after
// `end` (appended as beyond) or none are left. The clock is read before every
// 16th search only: a result row takes about half a microsecond to find, and
// a read of the clock a twentieth of that.
void searchPart(Search& search, size_t start, size_t end, PartMatches& part) {
    for (unsigned searches = 0; start <= search.subject.size(); ++searches) {
        if (searches % 16 == 0 && Clock::now() >= search.deadline) {
            part.stopped = true;
            return;
        }
        const Utf8Search::Outcome outcome = search.engine.find(search.subject, start);
        if (outcome != Utf8Search::Outcome::Found) {
            part.stopped = outcome == Utf8Search::Outcome::Stopped;
            return;
        }
        const std::span<const size_t> found = search.engine.offsets();
        part.offsets.insert(part.offsets.end(), found.begin(), found.end());
        if (found[0] >= end) {
            part.hasBeyond = true;
            return;
        }
        start = nextSearchStart(search.subject, found[0], found[1]);
    }
}

size_t characterStartAtOrAfter(std::string_view subject, size_t i) {
    while (i < subject.size() && isUtf8Trail(static_cast<unsigned char>(subject[i]))) ++i;
    return i;
}

std::vector<size_t> partBoundaries(std::string_view subject, size_t parts) {
    std::vector<size_t> bounds;
    for (size_t i = 0; i < parts; ++i) {
        bounds.push_back(characterStartAtOrAfter(subject, subject.size() / parts * i));
    }
    bounds.push_back(subject.size() + 1);  // a match may start at the very end
    return bounds;
}

// The index of the match in `part` that starts at `begin`, if any. A match
// that starts where one of the part's matches starts is that match, and
// everything after it is the same too. Starts rise from match to match.
std::optional<size_t> matchStartingAt(const PartMatches& part, size_t width, size_t begin) {
    size_t low = 0;
    size_t high = part.offsets.size() / width;
    while (low < high) {
        const size_t middle = (low + high) / 2;
        if (part.offsets[middle * width] < begin) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    if (low * width < part.offsets.size() && part.offsets[low * width] == begin) return low * width;
    return std::nullopt;
}

// Joins the parts' matches in order. Each part but the last ends with its
// beyond match, or with none when no match is left in the subject; from the
// first match that starts where one of the next part's starts, the two
// sequences are the same.
class Joiner {
public:
    Joiner(Search& search, std::vector<PartMatches>& parts, const std::vector<size_t>& bounds)
        : search_(search), parts_(parts), bounds_(bounds), list_(search.width) {}

    std::optional<Utf8MatchList> join() {
        std::vector<size_t> carried;  // a match that starts in a later part
        bool beyond = addFrom(0, 0, carried);
        for (size_t index = 1; index < parts_.size() && beyond; ++index) {
            if (!meet(index, carried, beyond)) return std::nullopt;
        }
        for (PartMatches& part : parts_) list_.keep(std::move(part.offsets));
        return std::move(list_);
    }

private:
    // Adds part `index`'s matches from offset `at` on; its beyond match, if
    // it has one, goes to `carried` instead. Returns whether it had one.
    bool addFrom(size_t index, size_t at, std::vector<size_t>& carried) {
        const PartMatches& part = parts_[index];
        size_t end = part.offsets.size();
        if (part.hasBeyond) {
            end -= search_.width;
            carried.assign(part.offsets.begin() + static_cast<long>(end), part.offsets.end());
        }
        list_.addRun(part.offsets, at, end);
        return part.hasBeyond;
    }

    // Finds where the sequence that reached `match` meets part `index`'s own,
    // searching on by itself across the part where they do not meet at once.
    bool meet(size_t index, std::vector<size_t>& match, bool& beyond) {
        const PartMatches& part = parts_[index];
        const size_t end = bounds_[index + 1];
        for (;;) {
            if (match[0] >= end) return true;  // belongs to a later part: carried on
            if (const std::optional<size_t> at = matchStartingAt(part, search_.width, match[0])) {
                beyond = addFrom(index, *at, match);
                return true;
            }
            const size_t start = nextSearchStart(search_.subject, match[0], match[1]);
            const std::vector<size_t>& kept = list_.keep(std::move(match));
            list_.addRun(kept, 0, kept.size());
            PartMatches next;
            searchPart(search_, start, start, next);  // at most one match
            if (next.stopped) return false;
            if (next.offsets.empty()) {
                beyond = false;
                return true;
            }
            match = std::move(next.offsets);
        }
    }

    Search& search_;
    std::vector<PartMatches>& parts_;
    const std::vector<size_t>& bounds_;
    Utf8MatchList list_;
};

}  // namespace

const size_t* Utf8MatchList::operator[](size_t index) const {
    // The last run that starts at or before `index`.
    const auto run = std::upper_bound(runs_.begin(), runs_.end(), index,
                                      [](size_t i, const Run& r) { return i < r.before; }) -
                     1;
    return run->first + (index - run->before) * width_;
}

std::vector<size_t> Utf8MatchList::flattened() const {
    std::vector<size_t> all;
    all.reserve(count_ * width_);
    for (size_t i = 0; i < count_; ++i) all.insert(all.end(), (*this)[i], (*this)[i] + width_);
    return all;
}

void Utf8MatchList::addRun(const std::vector<size_t>& offsets, size_t from, size_t to) {
    if (to <= from) return;
    runs_.push_back({offsets.data() + from, count_});
    count_ += (to - from) / width_;
}

const std::vector<size_t>& Utf8MatchList::keep(std::vector<size_t> offsets) {
    storage_.push_back(std::move(offsets));
    return storage_.back();
}

std::optional<Utf8MatchList> findAllUtf8MatchesInParts(
    const std::shared_ptr<const Utf8Pattern>& pattern, std::string_view subject, size_t parts,
    size_t threads, Clock::time_point deadline, const PartCheck& acceptPart) {
    parts = std::max<size_t>(parts, 1);
    threads = std::clamp<size_t>(threads, 1, parts);
    const size_t width = 2 * (pattern->groupCount + 1);
    const std::vector<size_t> bounds = partBoundaries(subject, parts);
    std::vector<PartMatches> found(parts);
    std::atomic<size_t> nextPart{0};
    std::atomic<bool> failed{false};  // no use searching on
    const auto runPart = [&](Search& search, size_t i) {
        const size_t end = std::min(bounds[i + 1], subject.size());
        // Checked first: a refused part ends the run, and its search would be lost.
        if (acceptPart && !acceptPart(subject.substr(bounds[i], end - bounds[i]))) {
            found[i].stopped = true;
            return;
        }
        reserveFor(found[i], end - bounds[i], width);
        searchPart(search, bounds[i], bounds[i + 1], found[i]);
    };
    // Each thread takes the next part left, so the calling thread starts at
    // once and a helper that wakes late (a virtual machine's idle core can
    // take milliseconds) or runs slower just takes fewer parts.
    const auto takeParts = [&] {
        try {
            Search search{Utf8Search(pattern), subject, width, deadline};
            for (size_t i; !failed && (i = nextPart++) < parts;) {
                runPart(search, i);
                if (found[i].stopped) failed = true;
            }
        } catch (const std::exception&) {
            failed = true;  // out of memory: let the caller decide
        }
    };
    {
        std::vector<std::jthread> helpers;
        for (size_t t = 1; t < threads; ++t) {
            try {
                helpers.emplace_back(takeParts);
            } catch (const std::system_error&) {
                break;  // no thread to be had: the others take its parts
            }
        }
        takeParts();
    }
    if (failed) return std::nullopt;
    Search search{Utf8Search(pattern), subject, width, deadline};
    return Joiner(search, found, bounds).join();
}
