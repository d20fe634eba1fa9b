// Process-wide set-up of the HTTP client library.
#pragma once

// Initialises libcurl once. main calls it before any thread starts; fetchUrl
// also calls it on the calling thread before its worker starts, so a program
// that forgets it still works. Further calls do nothing.
void initNetwork();

// Releases httpObject and then libcurl's global state. Call after the last
// request has ended; a later fetchUrl initialises again.
void cleanupNetwork();
