// Command line of vantrel-scan.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct ScanOptions {
    std::optional<std::string> patternFile;  // --pattern FILE: run that pattern instead
    bool caseSensitive = false;
    bool multiLine = true;
    bool globalSearch = true;
    std::vector<std::string> inputs;  // files, or "-" for standard input
};

// Parses argv; on a usage error returns nothing and fills `error`.
std::optional<ScanOptions> parseScanOptions(int argc, char** argv, std::string& error);

extern const char* const scanUsage;
