// How the window thread waits for a page request: the window keeps painting
// and shows a busy cursor, but takes no input, so no second command can start.
#pragma once

// Installs the wait as net/'s request wait hook.
void installWindowWait();
