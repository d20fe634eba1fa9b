// The system clipboard, as plain text.
#pragma once

#include <string_view>

// Places `text` (program text) on the clipboard as plain text; an empty text
// leaves an empty text there.
void copyToClipboard(std::string_view text);
