// Replacing the matches of a run, with the replacement read the way
// ECMAScript's String.prototype.replace reads it.
#pragma once

#include <string>
#include <string_view>

#include "regex/match_set.h"

// The subject with each match of `matches` replaced by `replacement`, in which
// $1..$99 is a group (empty when it took no part), $& the match, $` the text
// before it, $' the text after it and $$ one "$". A $ that names no group
// stays as it is: $3 with two groups, $0.
std::u16string replaceMatches(const MatchSet& matches, std::u16string_view replacement);
