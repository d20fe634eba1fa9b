// utf8ToGbk over arbitrary bytes: what a fetched page can hold.
#include <optional>
#include <string>

#include "fuzz/fuzz_support.h"
#include "text/codepage.h"
#include "text/iconv_handle.h"
#include "text/program_text_check.h"

namespace {

// A page larger than this adds run time, not new paths.
constexpr size_t maxInput = 64 * 1024;

// Whether iconv itself refuses to put the character at units[at] into GB18030.
// glibc's table leaves out a few private-use characters (U+E78D..U+E796 and
// others) whose GB18030-2005 codes now stand for other characters.
bool iconvRefuses(std::u16string_view units, size_t at, size_t length) {
    static const IconvHandle encoder = openIconv("GB18030", "UTF-16LE");
    FUZZ_CHECK(encoder);
    iconv(encoder.get(), nullptr, nullptr, nullptr, nullptr);
    char* in = reinterpret_cast<char*>(const_cast<char16_t*>(units.data() + at));
    size_t inLeft = length * 2;
    char out[8];
    char* outPtr = out;
    size_t outLeft = sizeof out;
    return iconv(encoder.get(), &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1);
}

// `fromText` equals `fromPage` but for '?' in place of characters iconv
// refuses; counts those in `refused`.
bool sameCharactersOrRefused(std::u16string_view fromText, std::u16string_view fromPage,
                             size_t& refused) {
    size_t i = 0, j = 0;
    while (i < fromText.size() && j < fromPage.size()) {
        // The UTF-8 decoder gives surrogates only in pairs.
        const size_t length = fromPage[j] >= 0xD800 && fromPage[j] <= 0xDBFF ? 2 : 1;
        if (fromText.substr(i, length) == fromPage.substr(j, length)) {
            i += length;
            j += length;
        } else if (fromText[i] == u'?' && iconvRefuses(fromPage, j, length)) {
            ++refused;
            ++i;
            j += length;
        } else {
            return false;
        }
    }
    return i == fromText.size() && j == fromPage.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > maxInput) return 0;
    const std::string_view input = asBytes(data, size);
    const std::string_view utf8 = textBytes(input);

    const std::string text = utf8ToGbk(input);
    // Program text is C-string-like: a zero byte would cut it short.
    FUZZ_CHECK(text.find('\0') == std::string::npos);
    if (utf8.size() != input.size()) FUZZ_CHECK(text == utf8ToGbk(utf8));
    if (isAscii(utf8)) FUZZ_CHECK(text == utf8);

    // The page's characters as the standard reads them, bad bytes included.
    bool wellFormed = false;
    const std::u16string fromPage = multiByteToWide(input, CodePage::Utf8);
    FUZZ_CHECK(codePointsOf(fromPage) == decodeUtf8Reference(utf8, wellFormed));

    // The text decodes to the characters the page decoded to (invalid input as
    // U+FFFD), except that a character the C library's GB18030 has no code for
    // is '?'.
    size_t refused = 0;
    FUZZ_CHECK(
        sameCharactersOrRefused(multiByteToWide(text, CodePage::Gb18030), fromPage, refused));

    const std::string back = gbkToUtf8(text);
    FUZZ_CHECK(isWellFormedUtf8(back));
    if (refused == 0 && wellFormed) FUZZ_CHECK(back == utf8);

    // The check that lets a caller skip this trip says yes only when the trip
    // changes nothing (a zero byte cuts the text, so it says no to one), and
    // its two ways agree.
    const bool survives = survivesProgramText(input);
    if (survives) FUZZ_CHECK(back == input);
    if (!wellFormed) FUZZ_CHECK(!survives);
    FUZZ_CHECK(keepsProgramTextVector(input).value_or(survives) == keepsProgramTextScalar(input));

    // The text is valid in the code page, and iconv read whole agrees with the
    // run-by-run decoder.
    const std::optional<std::string> strict = programTextToUtf8Strict(text);
    FUZZ_CHECK(strict.has_value());
    FUZZ_CHECK(*strict == back);
    return 0;
}
