// Program text (GB18030 bytes, possibly broken) to UTF-16 and UTF-8: what
// every row field, pattern and keyword goes through.
#include <string>

#include "fuzz/fuzz_support.h"
#include "text/codepage.h"
#include "text/iconv_handle.h"

namespace {

constexpr size_t maxInput = 64 * 1024;

// The decoding as iconv gives it when run over the whole text, a byte it
// stops at (a bad or cut-short character) becoming U+FFFD before it reads on
// after that byte. Independent of the lookup tables in text/.
std::u16string decodeWithIconv(std::string_view text) {
    static const IconvHandle decoder = openIconv("UTF-16LE", "GB18030");
    FUZZ_CHECK(decoder);
    iconv(decoder.get(), nullptr, nullptr, nullptr, nullptr);
    std::u16string out(text.size() + 1, u'\0');  // a byte gives at most one unit
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char* outPtr = reinterpret_cast<char*>(out.data());
    size_t outLeft = out.size() * 2;
    while (inLeft > 0) {
        if (iconv(decoder.get(), &in, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1)) break;
        FUZZ_CHECK(outLeft >= 2);
        *reinterpret_cast<char16_t*>(outPtr) = 0xFFFD;
        outPtr += 2;
        outLeft -= 2;
        ++in;
        --inLeft;
        iconv(decoder.get(), nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(out.size() - outLeft / 2);
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > maxInput) return 0;
    const std::string_view input = asBytes(data, size);
    const std::string_view text = textBytes(input);

    const std::u16string wide = multiByteToWide(input, CodePage::Gb18030);
    FUZZ_CHECK(wide == decodeWithIconv(text));

    // Encoding the characters again gives text that decodes to them: every
    // character read from the code page has a code in it.
    FUZZ_CHECK(multiByteToWide(wideToMultiByte(wide), CodePage::Gb18030) == wide);

    const std::string utf8 = gbkToUtf8(input);
    bool wellFormed = false;
    FUZZ_CHECK(decodeUtf8Reference(utf8, wellFormed) == codePointsOf(wide));
    FUZZ_CHECK(wellFormed);
    FUZZ_CHECK(utf8.find('\0') == std::string::npos);
    if (isAscii(text)) FUZZ_CHECK(utf8 == text);
    return 0;
}
