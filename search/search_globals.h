// The state the search commands share for the whole run.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "regex/regex_object.h"

// Raw page text (UTF-8, as fetched) of the last search command.
extern std::string pageSource;

// Next-page presses since start-up; only the next-page command changes it.
extern int32_t pageCounter;

// The matcher that holds the rows of the last page; made at start-up.
extern std::unique_ptr<RegexObject> resultRegex;
