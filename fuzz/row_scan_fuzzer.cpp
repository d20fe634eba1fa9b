// The row scan over an arbitrary fetched page: decode, run the row pattern,
// read every row.
#include <optional>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "regex/regex_object.h"
#include "search/row_extraction.h"
#include "search/utf8_row_scan.h"
#include "text/codepage.h"

namespace {

// A result page is a few tens of KiB; more only slows each run down.
constexpr size_t maxInput = 64 * 1024;
constexpr int32_t rowGroups = 4;

bool startsWithIgnoringAsciiCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        char c = s[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

// The text a query gave lies at the offset it reported. `text` is what the
// regex searched; utf8ToGbk output is valid GB18030, so its characters come
// back with the very bytes they were read from.
void checkAtOffset(std::string_view text, std::string_view piece, int32_t start) {
    FUZZ_CHECK(start >= 0);
    FUZZ_CHECK(static_cast<size_t>(start) <= text.size());
    FUZZ_CHECK(text.substr(static_cast<size_t>(start), piece.size()) == piece);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > maxInput) return 0;
    const std::string_view page = asBytes(data, size);

    RegexObject regex;
    const std::vector<ResultRow> rows = scanPage(regex, page);
    const int32_t count = regex.matchCount();
    FUZZ_CHECK(rows.size() == static_cast<size_t>(count));
    FUZZ_CHECK(regex.subMatchCount() == (count > 0 ? rowGroups : 0));

    const std::string text = utf8ToGbk(page);
    size_t previousEnd = 0;
    for (int32_t i = 1; i <= count; ++i) {
        const ResultRow& row = rows[static_cast<size_t>(i - 1)];
        const std::string* fields[] = {&row.updateTime, &row.size, &row.link, &row.name};
        for (int32_t g = 1; g <= rowGroups; ++g) {
            const std::string& field = *fields[g - 1];
            // Every group is ".*?": it never spans a line and never holds a zero byte.
            FUZZ_CHECK(field.find('\n') == std::string::npos);
            FUZZ_CHECK(field.find('\0') == std::string::npos);
            int32_t start = -2;
            FUZZ_CHECK(regex.subMatchText(i, g, &start) == field);
            checkAtOffset(text, field, start);
            FUZZ_CHECK(!gbkToUtf8(field).empty() || field.empty());
        }
        int32_t start = -2;
        const std::string whole = regex.matchText(i, &start);
        FUZZ_CHECK(startsWithIgnoringAsciiCase(whole, "<tr"));
        checkAtOffset(text, whole, start);
        // Rows come in page order and do not overlap.
        FUZZ_CHECK(static_cast<size_t>(start) >= previousEnd);
        previousEnd = static_cast<size_t>(start) + whole.size();
    }

    // The scan over the UTF-8 page as it lies, when it vouches for its rows,
    // gives these rows, byte for byte after the trip back to UTF-8.
    if (const std::optional<Utf8Rows> direct = scanUtf8Page(page)) {
        FUZZ_CHECK(direct->size() == rows.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            const Utf8Row got = (*direct)[i];
            FUZZ_CHECK(got.updateTime == gbkToUtf8(rows[i].updateTime));
            FUZZ_CHECK(got.size == gbkToUtf8(rows[i].size));
            FUZZ_CHECK(got.link == gbkToUtf8(rows[i].link));
            FUZZ_CHECK(got.name == gbkToUtf8(rows[i].name));
        }
    }

    // Indexes just outside the rows name nothing.
    for (int32_t i : {0, count + 1}) {
        int32_t start = 0;
        FUZZ_CHECK(regex.matchText(i, &start).empty());
        FUZZ_CHECK(start == -1);
        FUZZ_CHECK(regex.subMatchText(i, 1, &start).empty());
        FUZZ_CHECK(start == -1);
    }
    if (count > 0) {
        for (int32_t g : {0, rowGroups + 1}) {
            int32_t start = 0;
            FUZZ_CHECK(regex.subMatchText(1, g, &start).empty());
            FUZZ_CHECK(start == -1);
        }
    }
    return 0;
}
