#include "regex/gb18030_offsets.h"

#include <algorithm>

#include "regex/utf16_units.h"
#include "text/codepage.h"
#include "text/gb18030.h"

namespace {

// A lookup walks at most this many units from its checkpoint.
constexpr size_t checkpointSpacing = 1024;

constexpr char16_t replacementCharacter = 0xFFFD;

// The GB18030 bytes of U+FFFD itself, which the decoder reads as they are.
bool isEncodedReplacement(const unsigned char* s, size_t remaining) {
    return remaining >= 4 && s[0] == 0x84 && s[1] == 0x31 && s[2] == 0xA4 && s[3] == 0x37;
}

}  // namespace

Gb18030OffsetMap::Gb18030OffsetMap(std::string_view text, std::u16string_view units)
    : text_(text), units_(units) {
    Position p;
    checkpoints_.push_back(p);
    while (p.byte < text_.size()) {
        if (!step(p)) {
            exact_ = false;
            return;
        }
        if (p.unit - checkpoints_.back().unit >= checkpointSpacing) checkpoints_.push_back(p);
    }
    exact_ = p.unit == units_.size();
}

// Moves p over one character: its bytes as the decoder splits the text, its
// units as many as its code point takes (a few two-byte codes map beyond the
// Basic Multilingual Plane). The decoder turns each byte it cannot read into
// one U+FFFD and reads on from the next byte. A byte that disagrees with its
// unit means the text and units do not belong together.
bool Gb18030OffsetMap::step(Position& p) const {
    if (p.unit >= units_.size()) return false;
    const auto* s = reinterpret_cast<const unsigned char*>(text_.data()) + p.byte;
    const size_t remaining = text_.size() - p.byte;
    const char16_t unit = units_[p.unit];
    size_t length = 1;
    size_t count = 1;
    if (s[0] < 0x80) {
        if (unit != s[0]) return false;
    } else if (unit == replacementCharacter && !isEncodedReplacement(s, remaining)) {
        // one unreadable byte
    } else if (unit < 0x80) {
        return false;
    } else {
        length = gb18030CharLength(s, remaining);
        count = unitsOfCharacterAt(units_, p.unit);
    }
    p.byte += length;
    p.unit += count;
    return true;
}

// The byte length of the first `unit` units once encoded again; the same as
// the offset whenever the text was valid GB18030.
size_t Gb18030OffsetMap::encodedLength(size_t unit) const {
    return wideToMultiByte(units_.substr(0, unit), programCodePage).size();
}

size_t Gb18030OffsetMap::byteOffset(size_t unit) const {
    if (!exact_) return encodedLength(unit);
    auto next = std::upper_bound(checkpoints_.begin(), checkpoints_.end(), unit,
                                 [](size_t u, const Position& c) { return u < c.unit; });
    Position p = *(next - 1);
    while (p.unit < unit && step(p)) {
    }
    return p.byte;
}
