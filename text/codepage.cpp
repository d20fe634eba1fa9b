#include "text/codepage.h"

#include <cerrno>

#include "text/ascii_runs.h"
#include "text/gb18030.h"
#include "text/iconv_handle.h"
#include "text/program_text_check.h"
#include "text/utf8.h"

std::string_view textBytes(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

std::u16string multiByteToWide(std::string_view text, CodePage codePage) {
    const std::string_view bytes = textBytes(text);
    std::u16string wide;
    if (codePage == CodePage::Utf8) {
        appendUtf8AsUtf16(bytes, wide);
    } else {
        appendGb18030AsUtf16(bytes, wide);
    }
    return wide;
}

std::string wideToMultiByte(std::u16string_view wide, CodePage codePage) {
    const std::u16string_view units = wide.substr(0, findZeroUnit(wide.data(), wide.size()));
    std::string text;
    if (codePage == CodePage::Utf8) {
        appendUtf16AsUtf8(units, text);
    } else {
        appendUtf16AsGb18030(units, text);
    }
    return text;
}

std::string utf8ToGbk(std::string_view utf8) {
    // One pass, straight from UTF-8 to the code page: same result as through
    // UTF-16, without a buffer twice the page's size.
    std::string text;
    appendUtf8AsGb18030(textBytes(utf8), text);
    return text;
}

std::string gbkToUtf8(std::string_view text) {
    return wideToMultiByte(multiByteToWide(text, CodePage::Gb18030), CodePage::Utf8);
}

bool survivesProgramText(std::string_view utf8) {
    if (const std::optional<bool> keeps = keepsProgramTextVector(utf8)) return *keeps;
    return keepsProgramTextScalar(utf8);
}

std::optional<std::string> programTextToUtf8Strict(std::string_view text) {
    IconvHandle converter = openIconv("UTF-8", "GB18030");
    if (!converter) return std::nullopt;
    // Each GB18030 byte gives at most two UTF-8 bytes (a 2-byte character at
    // most 3, a 4-byte one at most 4), so twice the input is room enough.
    std::string out(text.size() * 2, '\0');
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    if (iconv(converter.get(), &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
}
