// Which links may be handed to the program registered for their scheme. The
// links come from a web page, so the page must not be able to open local files
// or slip an option to the opener.
#pragma once

#include <string_view>

// True for an absolute URL (a scheme, then ':') whose scheme is not "file".
// The text must start with the scheme itself: no leading blank, no '-'.
bool isHandOffLink(std::string_view link);
