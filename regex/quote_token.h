// The "#引号" token: a way to write a double quote inside a pattern that is
// itself written between double quotes.
#pragma once

#include <string>
#include <string_view>

// `pattern` (program text) with every "#引号" replaced by one '"'. The scan
// goes one character at a time, so the token is only found where a character
// begins.
std::string expandQuoteTokens(std::string_view pattern);
