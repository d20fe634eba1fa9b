// Character classes: [...] and [^...].
#include <algorithm>

#include "regex/pattern_escape.h"
#include "regex/pattern_literal.h"
#include "regex/pattern_translator.h"
#include "regex/utf16_units.h"

bool PatternTranslator::characterClass() {
    ++pos_;
    out_ += u'[';
    if (pos_ < in_.size() && in_[pos_] == u'^') out_ += in_[pos_++];
    // The first "]" ends the class, so [] is empty and [^] matches anything.
    while (pos_ < in_.size() && in_[pos_] != u']') {
        if (!classItem()) return false;
    }
    if (pos_ >= in_.size()) return false;  // unterminated
    ++pos_;
    out_ += u']';
    canQuantify_ = true;
    return true;
}

// One atom, or a range "atom-atom" when a "-" and another atom follow.
bool PatternTranslator::classItem() {
    const ClassAtom first = classAtom();
    if (pos_ + 1 < in_.size() && in_[pos_] == u'-' && in_[pos_ + 1] != u']') {
        ++pos_;
        const ClassAtom last = classAtom();
        return classRange(first, last);
    }
    appendClassAtom(first);
    return true;
}

PatternTranslator::ClassAtom PatternTranslator::classAtom() {
    if (in_[pos_] != u'\\') return {ClassAtom::Kind::Character, readCodePoint(in_, pos_)};
    if (++pos_ >= in_.size()) return {ClassAtom::Kind::Character, U'\\'};
    const PatternEscape e = readEscape(in_, pos_, true, groups_);
    if (e.kind == PatternEscape::Kind::Shorthand) return {ClassAtom::Kind::Shorthand, e.value};
    return {ClassAtom::Kind::Character, e.value};
}

// Every character is escaped or spelled out, so "[" never starts a POSIX
// class such as [:alpha:].
void PatternTranslator::appendClassAtom(const ClassAtom& atom) {
    if (atom.kind == ClassAtom::Kind::Shorthand) {
        out_ += u'\\';
        out_ += static_cast<char16_t>(atom.value);
    } else if (!isSurrogate(atom.value)) {
        appendLiteral(out_, atom.value);
    }
}

bool PatternTranslator::classRange(const ClassAtom& first, const ClassAtom& last) {
    if (first.kind != ClassAtom::Kind::Character || last.kind != ClassAtom::Kind::Character) {
        // Legacy reading of [\d-x]: the three atoms on their own.
        appendClassAtom(first);
        appendLiteral(out_, U'-');
        appendClassAtom(last);
        return true;
    }
    if (first.value > last.value) return false;
    // Surrogate code points match nothing; keep the rest of the range.
    appendRangePart(first.value, std::min<char32_t>(last.value, 0xD7FF));
    appendRangePart(std::max<char32_t>(first.value, 0xE000), last.value);
    return true;
}

void PatternTranslator::appendRangePart(char32_t low, char32_t high) {
    if (low > high || isSurrogate(low)) return;
    appendLiteral(out_, low);
    if (high == low) return;
    out_ += u'-';
    appendLiteral(out_, high);
}
