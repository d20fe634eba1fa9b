#include "regex/pattern_translation.h"

#include <algorithm>
#include <limits>
#include <string>

#include "regex/pattern_escape.h"
#include "regex/utf16_units.h"

namespace {

using Kind = PatternEscape::Kind;

// Never matches: a lone surrogate escape has nothing to match in a subject
// that PCRE2 reads as whole code points. Quantifiable, unlike an assertion.
constexpr std::u16string_view neverMatches = u"[]";

bool isAsciiAlnum(char32_t c) {
    return (c >= U'0' && c <= U'9') || (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

void appendHexEscape(std::u16string& out, char32_t c) {
    static constexpr char16_t digits[] = u"0123456789abcdef";
    out += u"\\x{";
    int shift = 28;
    while (shift > 0 && ((c >> shift) & 0xF) == 0) shift -= 4;
    for (; shift >= 0; shift -= 4) out += digits[(c >> shift) & 0xF];
    out += u'}';
}

// One character that PCRE2 reads as itself both in and out of a class.
// Requires c not to be a surrogate.
void appendLiteral(std::u16string& out, char32_t c) {
    if (isAsciiAlnum(c) || (c >= 0x80 && c <= 0xFFFF)) {
        out += static_cast<char16_t>(c);
    } else if (c > 0x20 && c < 0x7F) {
        out += u'\\';
        out += static_cast<char16_t>(c);
    } else {
        appendHexEscape(out, c);
    }
}

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

// A class member: a code point (a surrogate one matches nothing) or a
// shorthand such as \d.
struct ClassAtom {
    enum class Kind { Character, Shorthand } kind;
    char32_t value = 0;
};

class Translator {
public:
    Translator(std::u16string_view in, uint32_t groups) : in_(in), groups_(groups) {}

    std::optional<std::u16string> run() {
        while (pos_ < in_.size()) {
            if (!step()) return std::nullopt;
        }
        return std::move(out_);
    }

private:
    bool step() {
        const char16_t c = in_[pos_];
        switch (c) {
        case u'\\': return escape();
        case u'(': return group();
        case u'[': return characterClass();
        case u'*': case u'+': case u'?': case u'{': return quantifier();
        case u')': case u'.':
            emitRaw(c, true);
            return true;
        case u'|': case u'^': case u'$':
            emitRaw(c, false);
            return true;
        default:
            emitCharacter(readCodePoint(in_, pos_));
            return true;
        }
    }

    void emitRaw(char16_t c, bool quantifiable) {
        out_ += c;
        ++pos_;
        canQuantify_ = quantifiable;
    }

    void emitCharacter(char32_t c) {
        if (isSurrogate(c)) {
            out_ += neverMatches;
        } else {
            appendLiteral(out_, c);
        }
        canQuantify_ = true;
    }

    bool escape() {
        if (++pos_ >= in_.size()) return false;  // a pattern cannot end in a backslash
        const PatternEscape e = readEscape(in_, pos_, false, groups_);
        canQuantify_ = true;
        switch (e.kind) {
        case Kind::Character: emitCharacter(e.value); break;
        case Kind::LoneSurrogate: out_ += neverMatches; break;
        case Kind::Backslash: out_ += u"\\\\"; break;
        case Kind::Shorthand:
            out_ += u'\\';
            out_ += static_cast<char16_t>(e.value);
            break;
        case Kind::BackReference:
            out_ += u"\\g{";
            for (char c : std::to_string(e.value)) out_ += static_cast<char16_t>(c);
            out_ += u'}';
            break;
        case Kind::Assertion:
            out_ += u'\\';
            out_ += static_cast<char16_t>(e.value);
            canQuantify_ = false;
            break;
        }
        return true;
    }

    // (, (?:, (?= and (?! only; every other (? form is a PCRE2 extension.
    bool group() {
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

    bool quantifier() {
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

    bool characterClass() {
        ++pos_;
        out_ += u'[';
        if (pos_ < in_.size() && in_[pos_] == u'^') out_ += in_[pos_++];
        while (pos_ < in_.size() && in_[pos_] != u']') {
            if (!classItem()) return false;
        }
        if (pos_ >= in_.size()) return false;  // unterminated class
        ++pos_;
        out_ += u']';
        canQuantify_ = true;
        return true;
    }

    // One atom, or a range "atom-atom" when a "-" and another atom follow.
    bool classItem() {
        const ClassAtom first = classAtom();
        if (pos_ + 1 < in_.size() && in_[pos_] == u'-' && in_[pos_ + 1] != u']') {
            ++pos_;
            const ClassAtom last = classAtom();
            return classRange(first, last);
        }
        appendClassAtom(first);
        return true;
    }

    ClassAtom classAtom() {
        if (in_[pos_] != u'\\') return {ClassAtom::Kind::Character, readCodePoint(in_, pos_)};
        if (++pos_ >= in_.size()) return {ClassAtom::Kind::Character, U'\\'};
        const PatternEscape e = readEscape(in_, pos_, true, groups_);
        if (e.kind == Kind::Shorthand) return {ClassAtom::Kind::Shorthand, e.value};
        return {ClassAtom::Kind::Character, e.value};
    }

    void appendClassAtom(const ClassAtom& a) {
        if (a.kind == ClassAtom::Kind::Shorthand) {
            out_ += u'\\';
            out_ += static_cast<char16_t>(a.value);
        } else if (!isSurrogate(a.value)) {
            appendLiteral(out_, a.value);
        }
    }

    bool classRange(const ClassAtom& first, const ClassAtom& last) {
        using AK = ClassAtom::Kind;
        if (first.kind != AK::Character || last.kind != AK::Character) {
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

    void appendRangePart(char32_t low, char32_t high) {
        if (low > high || isSurrogate(low)) return;
        appendLiteral(out_, low);
        if (high == low) return;
        out_ += u'-';
        appendLiteral(out_, high);
    }

    std::u16string_view in_;
    uint32_t groups_;
    size_t pos_ = 0;
    bool canQuantify_ = false;
    std::u16string out_;
};

}  // namespace

uint32_t countCapturingGroups(std::u16string_view p) {
    uint32_t groups = 0;
    bool inClass = false;
    for (size_t i = 0; i < p.size(); ++i) {
        const char16_t c = p[i];
        if (c == u'\\') {
            ++i;
        } else if (inClass) {
            inClass = c != u']';
        } else if (c == u'[') {
            inClass = true;
            if (i + 1 < p.size() && p[i + 1] == u'^') ++i;
        } else if (c == u'(' && (i + 1 >= p.size() || p[i + 1] != u'?')) {
            ++groups;
        }
    }
    return groups;
}

std::optional<TranslatedPattern> translatePattern(std::u16string_view pattern) {
    const uint32_t groups = countCapturingGroups(pattern);
    std::optional<std::u16string> out = Translator(pattern, groups).run();
    if (!out) return std::nullopt;
    return TranslatedPattern{std::move(*out), groups};
}
