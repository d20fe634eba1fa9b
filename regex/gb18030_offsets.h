// Byte offsets in program text (GB18030) for offsets in its UTF-16 form.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

class Gb18030OffsetMap {
public:
    // `units` must be the UTF-16 decoding of `text` (text/codepage.h); both
    // must outlive the map.
    Gb18030OffsetMap(std::string_view text, std::u16string_view units);

    // The byte offset of the character that starts at UTF-16 offset `unit`
    // (at most units.size()).
    size_t byteOffset(size_t unit) const;

private:
    struct Position {
        size_t byte = 0;
        size_t unit = 0;
    };

    bool step(Position& p) const;
    size_t encodedLength(size_t unit) const;

    std::string_view text_;
    std::u16string_view units_;
    std::vector<Position> checkpoints_;  // character starts, about every checkpointSpacing units
    bool exact_ = true;                  // false when the text did not walk in step with units
};
