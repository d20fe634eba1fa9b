#include "regex/replacement.h"

namespace {

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// The digits at pos that name a group, into `group`: two when they make a
// number from 1 to groupCount, otherwise one when it does. Returns how many
// digits were taken, 0 for none.
size_t groupDigits(std::u16string_view text, size_t pos, uint32_t groupCount, uint32_t& group) {
    if (pos >= text.size() || !isDigit(text[pos])) return 0;
    const uint32_t first = text[pos] - u'0';
    if (pos + 1 < text.size() && isDigit(text[pos + 1])) {
        const uint32_t both = first * 10 + (text[pos + 1] - u'0');
        if (both >= 1 && both <= groupCount) {
            group = both;
            return 2;
        }
    }
    if (first >= 1 && first <= groupCount) {
        group = first;
        return 1;
    }
    return 0;
}

class Expander {
public:
    Expander(const MatchSet& matches, std::u16string_view replacement, std::u16string& out)
        : set_(matches), subject_(matches.subject), replacement_(replacement), out_(out) {}

    void expand(size_t match) {
        match_ = match;
        whole_ = *set_.span(match, 0);
        for (size_t i = 0; i < replacement_.size(); ++i) {
            if (replacement_[i] == u'$') {
                i += dollar(i + 1);
            } else {
                out_ += replacement_[i];
            }
        }
    }

private:
    // Appends what the "$" before `pos` stands for; returns the units it took
    // after the "$".
    size_t dollar(size_t pos) {
        const char16_t next = pos < replacement_.size() ? replacement_[pos] : u'\0';
        switch (next) {
            case u'$':
                out_ += u'$';
                return 1;
            case u'&':
                out_ += subject_.substr(whole_.start, whole_.end - whole_.start);
                return 1;
            case u'`':
                out_ += subject_.substr(0, whole_.start);
                return 1;
            case u'\'':
                out_ += subject_.substr(whole_.end);
                return 1;
            default:
                break;
        }
        uint32_t group = 0;
        const size_t taken = groupDigits(replacement_, pos, set_.groupCount, group);
        if (taken == 0) {
            out_ += u'$';
        } else if (const std::optional<MatchSpan> g = set_.span(match_, group)) {
            out_ += subject_.substr(g->start, g->end - g->start);
        }
        return taken;
    }

    const MatchSet& set_;
    std::u16string_view subject_;
    std::u16string_view replacement_;
    std::u16string& out_;
    size_t match_ = 0;
    MatchSpan whole_;
};

}  // namespace

std::u16string replaceMatches(const MatchSet& matches, std::u16string_view replacement) {
    const std::u16string_view subject = matches.subject;
    std::u16string out;
    out.reserve(subject.size());
    Expander expander(matches, replacement, out);
    size_t copied = 0;
    for (size_t m = 0; m < matches.matchCount(); ++m) {
        const MatchSpan whole = *matches.span(m, 0);
        out += subject.substr(copied, whole.start - copied);
        expander.expand(m);
        copied = whole.end;
    }
    out += subject.substr(copied);
    return out;
}
