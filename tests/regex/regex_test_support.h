// Helpers shared by the regex tests: UTF-8 literals in, UTF-8 results out, so
// the tables read as plain text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "regex/regex_object.h"
#include "text/codepage.h"

inline std::string gb(std::string_view utf8) {
    return utf8ToGbk(utf8);
}
inline std::string utf8(std::string_view programText) {
    return gbkToUtf8(programText);
}

// Every match text of the last run, in UTF-8.
inline std::vector<std::string> allMatches(const RegexObject& regex) {
    std::vector<std::string> out;
    for (int32_t i = 1; i <= regex.matchCount(); ++i) out.push_back(utf8(regex.matchText(i)));
    return out;
}

// Every group text of match `index`, in UTF-8.
inline std::vector<std::string> groupsOf(const RegexObject& regex, int32_t index) {
    std::vector<std::string> out;
    for (int32_t g = 1; g <= regex.subMatchCount(); ++g) {
        out.push_back(utf8(regex.subMatchText(index, g)));
    }
    return out;
}
