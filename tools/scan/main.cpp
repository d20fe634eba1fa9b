// vantrel-scan: runs the row pattern (or a given pattern) over a saved page,
// the same way the collect command does, and prints what it finds.
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <utility>

#include "regex/regex_object.h"
#include "search/row_extraction.h"
#include "search/utf8_row_scan.h"
#include "text/codepage.h"
#include "tools/scan/input_bytes.h"
#include "tools/scan/scan_options.h"
#include "tools/scan/web_pages.h"

namespace {

constexpr int exitUsage = 2;

bool isWebAddress(const std::string& input) {
    return input.starts_with("http://") || input.starts_with("https://");
}

// A page from a file, standard input or the web. A failed fetch gives an empty
// page, exactly as it does for the collect command.
std::optional<InputBytes> readPage(const std::string& input, std::string& error) {
    if (!isWebAddress(input)) {
        error = "cannot read " + input;
        return InputBytes::read(input);
    }
    std::optional<std::string> page = fetchWebPage(input, error);
    if (!page) return std::nullopt;
    return InputBytes::of(std::move(*page));
}

// Writes all of `bytes` to standard output; a closed pipe or full disk ends
// the output early, as it would for any filter.
void writeOut(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(STDOUT_FILENO, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
}

// Output lines gathered and written a block at a time: a block that stays in
// the cache instead of one string as big as the page's rows, handed to the
// kernel without a second copy through stdio.
class RowPrinter {
public:
    explicit RowPrinter(long& number) : number_(number) { block_.reserve(blockSize + 4096); }
    ~RowPrinter() { flush(); }

    void print(std::initializer_list<std::string_view> cells) {
        char digits[24];
        const auto [end, error] = std::to_chars(digits, digits + sizeof digits, ++number_);
        block_.append(digits, end);
        for (const std::string_view cell : cells) {
            block_ += '\t';
            block_ += cell;
        }
        block_ += '\n';
        if (block_.size() >= blockSize) flush();
    }

private:
    static constexpr size_t blockSize = 1 << 16;

    void flush() {
        writeOut(block_);
        block_.clear();
    }

    long& number_;
    std::string block_;
};

// Straight from the UTF-8 page when that gives the same rows, else through
// program text as the collect command goes.
void printRows(RegexObject& regex, std::string_view page, long& number) {
    RowPrinter printer(number);
    if (const std::optional<Utf8Rows> rows = scanUtf8Page(page)) {
        for (size_t i = 0; i < rows->size(); ++i) {
            const Utf8Row row = (*rows)[i];
            printer.print({row.updateTime, row.size, row.name, row.link});
        }
        return;
    }
    for (const ResultRow& row : scanPage(regex, page)) {
        printer.print({gbkToUtf8(row.updateTime), gbkToUtf8(row.size), gbkToUtf8(row.name),
                       gbkToUtf8(row.link)});
    }
}

void printMatches(const RegexObject& regex) {
    const int32_t groups = regex.subMatchCount();
    std::string out;
    for (int32_t i = 1; i <= regex.matchCount(); ++i) {
        int32_t start = 0;
        const std::string text = regex.matchText(i, &start);
        out += std::to_string(start) + '\t' + gbkToUtf8(text);
        for (int32_t g = 1; g <= groups; ++g) out += '\t' + gbkToUtf8(regex.subMatchText(i, g));
        out += '\n';
    }
    writeOut(out);
}

int fail(const std::string& message) {
    std::cerr << "vantrel-scan: " << message << '\n';
    return exitUsage;
}

int runPattern(const ScanOptions& options) {
    const std::optional<InputBytes> pattern = InputBytes::read(*options.patternFile);
    if (!pattern) return fail("cannot read " + *options.patternFile);
    const std::optional<InputBytes> subject = InputBytes::read(options.inputs.front());
    if (!subject) return fail("cannot read " + options.inputs.front());
    RegexObject regex;
    if (!regex.create(utf8ToGbk(pattern->view()), utf8ToGbk(subject->view()), options.caseSensitive,
                      options.multiLine, options.globalSearch)) {
        return fail("pattern rejected");
    }
    printMatches(regex);
    return 0;
}

int runRows(const ScanOptions& options) {
    RegexObject regex;
    long number = 0;
    for (const std::string& input : options.inputs) {
        std::string error;
        const std::optional<InputBytes> page = readPage(input, error);
        if (!page) return fail(error);
        printRows(regex, page->view(), number);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const std::optional<ScanOptions> options = parseScanOptions(argc, argv, error);
    if (!options) {
        std::cerr << "vantrel-scan: " << error << '\n' << scanUsage;
        return exitUsage;
    }
    return options->patternFile ? runPattern(*options) : runRows(*options);
}
