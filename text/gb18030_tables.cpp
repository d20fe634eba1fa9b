#include "text/gb18030_tables.h"

#include <cerrno>
#include <memory>
#include <string>
#include <vector>

#include "text/gb18030.h"
#include "text/iconv_handle.h"

namespace {

// Converts `input`, made of equal-width items of `itemBytes` bytes, and hands
// each item's output to `take(itemIndex, output)`; an item iconv refuses gets
// nothing. Converting in long runs keeps the build to a few milliseconds.
template <typename Take>
void convertItems(const char* toCode, const char* fromCode, const std::string& input,
                  size_t itemBytes, size_t outBytesPerItem, Take take,
                  size_t (*outputLength)(const char* out, size_t left)) {
    IconvHandle cd = openIconv(toCode, fromCode);
    if (!cd) return;
    std::vector<char> output(input.size() / itemBytes * outBytesPerItem + 16);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    while (inLeft > 0) {
        const size_t firstItem = (input.size() - inLeft) / itemBytes;
        char* out = output.data();
        size_t outLeft = output.size();
        const size_t result = iconv(cd.get(), &in, &inLeft, &out, &outLeft);
        const size_t doneItems = (input.size() - inLeft) / itemBytes - firstItem;
        const char* read = output.data();
        for (size_t k = 0; k < doneItems; ++k) {
            const size_t length = outputLength(read, static_cast<size_t>(out - read));
            take(firstItem + k, std::string_view(read, length));
            read += length;
        }
        if (result == static_cast<size_t>(-1)) {
            if (errno != EILSEQ && errno != EINVAL) return;
            // The refused item stays undefined; go on with the next one.
            const size_t next = ((input.size() - inLeft) / itemBytes + 1) * itemBytes;
            in = const_cast<char*>(input.data()) + next;
            inLeft = input.size() - next;
        }
    }
}

size_t gbLength(const char* out, size_t left) {
    return gb18030CharLength(reinterpret_cast<const unsigned char*>(out), left);
}

size_t utf16Length(const char* out, size_t left) {
    const auto first = static_cast<unsigned char>(out[1]);
    return (left >= 4 && first >= 0xD8 && first <= 0xDB) ? 4 : 2;
}

char32_t codePointOf(std::string_view utf16) {
    const auto unit = [&](size_t i) {
        return char32_t(static_cast<unsigned char>(utf16[i])) |
               char32_t(static_cast<unsigned char>(utf16[i + 1])) << 8;
    };
    if (utf16.size() == 4) return 0x10000 + ((unit(0) - 0xD800) << 10) + (unit(2) - 0xDC00);
    return unit(0);
}

void fillEncode(Gb18030Tables& tables) {
    std::string input;
    std::vector<char16_t> units;
    for (char32_t u = 0x80; u <= 0xFFFF; ++u) {
        if (u >= 0xD800 && u <= 0xDFFF) continue;
        units.push_back(static_cast<char16_t>(u));
        input.push_back(static_cast<char>(u & 0xFF));
        input.push_back(static_cast<char>(u >> 8));
    }
    convertItems("GB18030", "UTF-16LE", input, 2, 4, [&](size_t item, std::string_view bytes) {
        uint32_t packed = 0;
        for (size_t i = 0; i < bytes.size(); ++i) {
            packed |= uint32_t(static_cast<unsigned char>(bytes[i])) << (8 * i);
        }
        tables.encode[units[item]] = packed;
    }, gbLength);
}

void fillTwoByte(Gb18030Tables& tables) {
    std::string input;
    std::vector<size_t> indexes;
    for (unsigned b1 = 0x81; b1 <= 0xFE; ++b1) {
        for (unsigned b2 = 0x40; b2 <= 0xFE; ++b2) {
            if (b2 == 0x7F) continue;
            indexes.push_back(twoByteIndex(b1, b2));
            input.push_back(static_cast<char>(b1));
            input.push_back(static_cast<char>(b2));
        }
    }
    convertItems("UTF-16LE", "GB18030", input, 2, 4, [&](size_t item, std::string_view utf16) {
        tables.twoByte[indexes[item]] = codePointOf(utf16);
    }, utf16Length);
}

void fillFourByteBmp(Gb18030Tables& tables) {
    std::string input;
    for (unsigned b1 = 0x81; b1 <= 0x84; ++b1)
        for (unsigned b2 = 0x30; b2 <= 0x39; ++b2)
            for (unsigned b3 = 0x81; b3 <= 0xFE; ++b3)
                for (unsigned b4 = 0x30; b4 <= 0x39; ++b4) {
                    for (unsigned b : {b1, b2, b3, b4}) input.push_back(static_cast<char>(b));
                }
    // The loops run in index order, so item k is table entry k.
    convertItems("UTF-16LE", "GB18030", input, 4, 4, [&](size_t item, std::string_view utf16) {
        const char32_t cp = codePointOf(utf16);
        if (cp <= 0xFFFF) tables.fourByteBmp[item] = static_cast<char16_t>(cp);
    }, utf16Length);
}

}  // namespace

const Gb18030Tables& gb18030Tables() {
    static const std::unique_ptr<Gb18030Tables> tables = [] {
        auto built = std::make_unique<Gb18030Tables>();
        fillEncode(*built);
        fillTwoByte(*built);
        fillFourByteBmp(*built);
        return built;
    }();
    return *tables;
}
