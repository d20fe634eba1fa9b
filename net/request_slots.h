// The request slots: what fetchUrl hands to the request worker and what the
// worker hands back, plus the one HTTP client handle of the run.
//
// fetchUrl writes the slots before it starts the worker and reads them again
// only after the worker has ended, so no lock guards them. Texts hold program
// text bytes and end at their first zero byte, as everywhere in the program.
#pragma once

#include <cstdint>
#include <string>

#include "net/curl_handles.h"

// requestTimeoutMs value meaning "no limit".
inline constexpr std::uint32_t infiniteTimeout = 0xFFFF'FFFF;

extern std::string requestUrl;
extern std::string requestMethod;
extern std::string requestBody;
extern std::uint32_t requestTimeoutMs;
extern std::string responseText;

// Made by the first request that manages to make it and reused by every later
// one, so a server that keeps connections open is reached over the same one.
extern CurlEasy httpObject;

// Releases the handle (and with it its open connections). The next request
// makes a new one.
void releaseHttpObject();

// Frees requestUrl, requestMethod, requestBody and responseText, in this
// order, then releases httpObject: the exit hook's share of net/.
void releaseRequestSlots();
