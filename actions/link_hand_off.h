// Hands a link to the program that the desktop has registered for its scheme.
#pragma once

#include <string_view>

// Opens `link` (program text) through the desktop's open-by-association service
// when isHandOffLink allows it. Returns whether the link was handed over.
bool handOffLink(std::string_view link);
