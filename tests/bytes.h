// Byte strings written as numbers, for fixtures of UTF-8 and code-page bytes.
#pragma once

#include <initializer_list>
#include <string>

inline std::string bytes(std::initializer_list<unsigned> values) {
    std::string out;
    for (unsigned v : values) out.push_back(static_cast<char>(v));
    return out;
}
