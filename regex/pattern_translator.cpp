#include "regex/pattern_translator.h"

#include <algorithm>
#include <limits>

#include "regex/pattern_escape.h"
#include "regex/pattern_literal.h"
#include "regex/utf16_units.h"

namespace {

// A decimal number, saturating instead of overflowing.
uint32_t readNumber(std::u16string_view p, size_t& pos) {
    uint64_t n = 0;
    while (pos < p.size() && p[pos] >= u'0' && p[pos] <= u'9') {
        n = std::min<uint64_t>(n * 10 + (p[pos++] - u'0'), std::numeric_limits<uint32_t>::max());
    }
    return static_cast<uint32_t>(n);
}

struct BracedQuantifier {
    size_t length = 0;  // units from "{" to "}" inclusive; 0 when not a quantifier
    uint32_t min = 0;
    uint32_t max = 0;
};

// {n}, {n,} or {n,m} at pos; anything else is a literal "{".
BracedQuantifier readBraced(std::u16string_view p, size_t pos) {
    const size_t start = pos++;
    const size_t digitsStart = pos;
    BracedQuantifier q;
    q.min = readNumber(p, pos);
    if (pos == digitsStart || pos >= p.size()) return {};
    q.max = q.min;
    if (p[pos] == u',') {
        const size_t maxStart = ++pos;
        q.max = readNumber(p, pos);
        if (pos == maxStart) q.max = std::numeric_limits<uint32_t>::max();
    }
    if (pos >= p.size() || p[pos] != u'}') return {};
    q.length = pos + 1 - start;
    return q;
}

}  // namespace

std::optional<std::u16string> PatternTranslator::run() {
    while (pos_ < in_.size()) {
        if (!step()) return std::nullopt;
    }
    return std::move(out_);
}

bool PatternTranslator::step() {
    const char16_t c = in_[pos_];
    switch (c) {
        case u'\\':
            return escape();
        case u'(':
            return group();
        case u'[':
            return characterClass();
        case u'*':
        case u'+':
        case u'?':
        case u'{':
            return quantifier();
        case u')':
        case u'.':
            emitRaw(c, true);
            return true;
        case u'|':
        case u'^':
        case u'$':
            emitRaw(c, false);
            return true;
        default:
            emitCharacter(readCodePoint(in_, pos_));
            return true;
    }
}

void PatternTranslator::emitRaw(char16_t c, bool quantifiable) {
    out_ += c;
    ++pos_;
    canQuantify_ = quantifiable;
}

void PatternTranslator::emitCharacter(char32_t c) {
    if (isSurrogate(c)) {
        out_ += neverMatches;
    } else {
        appendLiteral(out_, c);
    }
    canQuantify_ = true;
}

bool PatternTranslator::escape() {
    if (++pos_ >= in_.size()) return false;  // a pattern cannot end in a backslash
    const PatternEscape e = readEscape(in_, pos_, false, groups_);
    canQuantify_ = e.kind != PatternEscape::Kind::Assertion;
    switch (e.kind) {
        case PatternEscape::Kind::Character:
        case PatternEscape::Kind::LoneSurrogate:
            emitCharacter(e.value);
            break;
        case PatternEscape::Kind::Backslash:
            out_ += u"\\\\";
            break;
        case PatternEscape::Kind::BackReference:
            emitBackReference(e.value);
            break;
        case PatternEscape::Kind::Shorthand:
        case PatternEscape::Kind::Assertion:
            out_ += u'\\';
            out_ += static_cast<char16_t>(e.value);
            break;
    }
    return true;
}

// \g{N}: braces keep a following digit out of the number.
void PatternTranslator::emitBackReference(uint32_t group) {
    out_ += u"\\g{";
    for (char digit : std::to_string(group)) out_ += static_cast<char16_t>(digit);
    out_ += u'}';
}

// (, (?:, (?= and (?! only; every other (? form is a PCRE2 extension.
bool PatternTranslator::group() {
    canQuantify_ = false;
    if (pos_ + 1 < in_.size() && in_[pos_ + 1] == u'?') {
        if (pos_ + 2 >= in_.size()) return false;
        const char16_t kind = in_[pos_ + 2];
        if (kind != u':' && kind != u'=' && kind != u'!') return false;
        out_ += in_.substr(pos_, 3);
        pos_ += 3;
        return true;
    }
    out_ += u'(';
    ++pos_;
    return true;
}

bool PatternTranslator::quantifier() {
    size_t length = 1;
    if (in_[pos_] == u'{') {
        const BracedQuantifier q = readBraced(in_, pos_);
        if (q.length == 0) {
            emitCharacter(U'{');
            ++pos_;
            return true;
        }
        if (q.min > q.max) return false;
        length = q.length;
    }
    // Nothing to repeat, or a second quantifier (a*+, a{2}{3}, a**).
    if (!canQuantify_) return false;
    out_ += in_.substr(pos_, length);
    pos_ += length;
    if (pos_ < in_.size() && in_[pos_] == u'?') out_ += in_[pos_++];
    canQuantify_ = false;
    return true;
}
