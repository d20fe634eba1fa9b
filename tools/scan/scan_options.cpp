#include "tools/scan/scan_options.h"

#include <string_view>

const char* const scanUsage =
    "usage: vantrel-scan [FILE|URL...]\n"
    "       vantrel-scan --pattern PATTERN_FILE [--case-sensitive] [--single-line]\n"
    "                    [--first-only] [FILE]\n"
    "Reads result pages (UTF-8) from files, http(s) addresses or standard input and\n"
    "prints one line per row: number, update time, size, file name, link, numbering\n"
    "on across pages. With --pattern it runs that\n"
    "pattern and prints per match its byte offset, its text and each group's text.\n";

std::optional<ScanOptions> parseScanOptions(int argc, char** argv, std::string& error) {
    ScanOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--pattern") {
            if (i + 1 >= argc) {
                error = "--pattern needs a file";
                return std::nullopt;
            }
            options.patternFile = argv[++i];
        } else if (arg == "--case-sensitive") {
            options.caseSensitive = true;
        } else if (arg == "--single-line") {
            options.multiLine = false;
        } else if (arg == "--first-only") {
            options.globalSearch = false;
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            error = "unknown option " + std::string(arg);
            return std::nullopt;
        } else {
            options.inputs.emplace_back(arg);
        }
    }
    if (options.inputs.empty()) options.inputs.emplace_back("-");
    if (options.patternFile && options.inputs.size() > 1) {
        error = "--pattern takes one subject";
        return std::nullopt;
    }
    return options;
}
