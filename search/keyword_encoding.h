// The keyword segment of a search address.
#pragma once

#include <string>
#include <string_view>

// Converts the keyword (program text) to UTF-8 and escapes it byte by byte:
// 0x21..0x7A go out as they are, every other byte as %XX (upper-case hex).
// A keyword that does not convert gives the empty text, never a partial one.
std::string encodeKeywordBytes(std::string_view keyword);
