// The two ways survivesProgramText (codepage.h) judges a text: valid UTF-8
// without a zero byte or a character of the BMP's private-use area. Apart so that tests can
// hold one against the other.
#pragma once

#include <optional>
#include <string_view>

// A character at a time.
bool keepsProgramTextScalar(std::string_view utf8);

// Sixteen bytes at a time with SSSE3 table lookups (after Keiser and Lemire,
// "Validating UTF-8 in less than one instruction per byte", 2021); nothing on
// a processor without SSSE3.
std::optional<bool> keepsProgramTextVector(std::string_view utf8);
