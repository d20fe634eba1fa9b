// vantrel-scan: runs the row pattern (or a given pattern) over a saved page,
// the same way the collect command does, and prints what it finds.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

#include "net/fetch_url.h"
#include "net/network.h"
#include "regex/regex_object.h"
#include "search/row_extraction.h"
#include "text/codepage.h"
#include "tools/scan/scan_options.h"

namespace {

constexpr int exitUsage = 2;

// The whole content of a file, or of standard input for "-"; nothing when it
// cannot be read (a missing file, a directory, a read error). A regular file is
// read in one piece into a string of its size.
std::optional<std::string> readInput(const std::string& name) {
    const int fd = name == "-" ? STDIN_FILENO : open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    std::string content;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        content.reserve(static_cast<size_t>(info.st_size));
    }
    char buffer[1 << 16];
    ssize_t got;
    while ((got = read(fd, buffer, sizeof buffer)) > 0) content.append(buffer, static_cast<size_t>(got));
    if (fd != STDIN_FILENO) close(fd);
    if (got < 0) return std::nullopt;
    return content;
}

bool isWebAddress(const std::string& input) {
    return input.starts_with("http://") || input.starts_with("https://");
}

// A page from a file, standard input or the web. A failed fetch gives an empty
// page, exactly as it does for the collect command.
std::optional<std::string> readPage(const std::string& input) {
    return isWebAddress(input) ? std::optional(fetchUrl(input)) : readInput(input);
}

void printRows(RegexObject& regex, const std::string& page, long& number) {
    std::string out;
    for (const ResultRow& row : scanPage(regex, page)) {
        out += std::to_string(++number);
        for (const std::string* cell : {&row.updateTime, &row.size, &row.name, &row.link}) {
            out += '\t';
            out += gbkToUtf8(*cell);
        }
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
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
    std::fwrite(out.data(), 1, out.size(), stdout);
}

int fail(const std::string& message) {
    std::cerr << "vantrel-scan: " << message << '\n';
    return exitUsage;
}

int runPattern(const ScanOptions& options) {
    const std::optional<std::string> pattern = readInput(*options.patternFile);
    if (!pattern) return fail("cannot read " + *options.patternFile);
    const std::optional<std::string> subject = readInput(options.inputs.front());
    if (!subject) return fail("cannot read " + options.inputs.front());
    RegexObject regex;
    if (!regex.create(utf8ToGbk(*pattern), utf8ToGbk(*subject), options.caseSensitive,
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
        const std::optional<std::string> page = readPage(input);
        if (!page) return fail("cannot read " + input);
        printRows(regex, *page, number);
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
    initNetwork();
    const int exitCode = options->patternFile ? runPattern(*options) : runRows(*options);
    cleanupNetwork();
    return exitCode;
}
