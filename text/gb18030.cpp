#include "text/gb18030.h"

#include <bit>
#include <cerrno>

#include "text/iconv_handle.h"

static_assert(std::endian::native == std::endian::little, "UTF-16LE is the in-memory form");

namespace {

constexpr char16_t replacementCharacter = 0xFFFD;

bool inRange(unsigned char b, unsigned char low, unsigned char high) {
    return b >= low && b <= high;
}

// One converter per direction and thread: opening iconv costs far more than
// converting a short run, and rows bring many short runs.
iconv_t decoder() {
    thread_local IconvHandle handle = openIconv("UTF-16LE", "GB18030");
    return handle.get();
}

iconv_t encoder() {
    thread_local IconvHandle handle = openIconv("GB18030", "UTF-16LE");
    return handle.get();
}

// Converts `run` (all of it non-ASCII characters) with iconv. Each run byte
// gives at most one UTF-16 unit, so the output never needs more room than that.
void decodeRun(std::string_view run, std::u16string& out) {
    const size_t start = out.size();
    out.resize(start + run.size());
    char* in = const_cast<char*>(run.data());
    size_t inLeft = run.size();
    char* outPtr = reinterpret_cast<char*>(out.data() + start);
    size_t outLeft = run.size() * 2;
    iconv_t cd = decoder();
    if (cd != nullptr) iconv(cd, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
        if (cd != nullptr && iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1)) {
            break;
        }
        // EILSEQ or EINVAL (or no converter): mark the byte and read on after it.
        if (outLeft < 2) break;
        *reinterpret_cast<char16_t*>(outPtr) = replacementCharacter;
        outPtr += 2;
        outLeft -= 2;
        ++in;
        --inLeft;
    }
    out.resize(start + (run.size() * 2 - outLeft) / 2);
}

// A GB18030 character is at most four bytes for one or two UTF-16 units.
void encodeRun(std::u16string_view run, std::string& out) {
    const size_t start = out.size();
    out.resize(start + run.size() * 4);
    char* in = reinterpret_cast<char*>(const_cast<char16_t*>(run.data()));
    size_t inLeft = run.size() * 2;
    char* outPtr = out.data() + start;
    size_t outLeft = run.size() * 4;
    iconv_t cd = encoder();
    if (cd != nullptr) iconv(cd, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
        if (cd != nullptr && iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1)) {
            break;
        }
        if (outLeft < 1) break;
        *outPtr++ = '?';
        --outLeft;
        in += 2;
        inLeft -= 2;
    }
    out.resize(start + run.size() * 4 - outLeft);
}

}  // namespace

size_t gb18030CharLength(const unsigned char* s, size_t remaining) {
    if (remaining < 2 || !inRange(s[0], 0x81, 0xFE)) return 1;
    if (inRange(s[1], 0x40, 0x7E) || inRange(s[1], 0x80, 0xFE)) return 2;
    if (remaining >= 4 && inRange(s[1], 0x30, 0x39) && inRange(s[2], 0x81, 0xFE) &&
        inRange(s[3], 0x30, 0x39)) {
        return 4;
    }
    return 1;
}

void appendGb18030AsUtf16(std::string_view gb18030, std::u16string& out) {
    const auto* s = reinterpret_cast<const unsigned char*>(gb18030.data());
    const size_t n = gb18030.size();
    out.reserve(out.size() + n);
    size_t i = 0;
    while (i < n) {
        if (s[i] < 0x80) {
            out.push_back(s[i++]);
            continue;
        }
        const size_t runStart = i;
        while (i < n && s[i] >= 0x80) i += gb18030CharLength(s + i, n - i);
        decodeRun(gb18030.substr(runStart, i - runStart), out);
    }
}

void appendUtf16AsGb18030(std::u16string_view utf16, std::string& out) {
    out.reserve(out.size() + utf16.size());
    size_t i = 0;
    while (i < utf16.size()) {
        if (utf16[i] < 0x80) {
            out.push_back(static_cast<char>(utf16[i++]));
            continue;
        }
        const size_t runStart = i;
        while (i < utf16.size() && utf16[i] >= 0x80) ++i;
        encodeRun(utf16.substr(runStart, i - runStart), out);
    }
}
