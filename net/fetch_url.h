// One blocking page request, run on a worker thread of its own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Requests `url` and returns the response body up to its first zero byte,
// whatever the HTTP status. A method of "post" in any letter case sends a
// POST with `body`; anything else sends a GET. A non-zero `timeoutMs` bounds
// the whole request; RequestBounds applies either way. Every failure gives an
// empty text, without a message. The text arguments count up to their first
// zero byte.
//
// The worker has always ended when this returns. Only one request runs at a
// time: a call made while another is running (from the wait hook, or from a
// second thread) returns an empty text at once and sends nothing.
std::string fetchUrl(std::string_view url, std::string_view method = {},
                     std::string_view body = {}, std::uint32_t timeoutMs = 0);

// The worker thread's entry: performRequest once, then it marks itself done
// for the wait hook.
void requestWorker();
