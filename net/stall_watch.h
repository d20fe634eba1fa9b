// Ends a transfer that moves no body byte for too long.
//
// libcurl's own low-speed limit averages over several seconds, so a body
// that stops after a quick start runs on well past the limit; this watches
// the byte counts themselves.
#pragma once

#include <curl/curl.h>

#include <chrono>

struct StallWatch {
    explicit StallWatch(std::chrono::milliseconds limit)
        : limit(limit), lastMove(std::chrono::steady_clock::now())
    {
    }

    std::chrono::milliseconds limit;
    std::chrono::steady_clock::time_point lastMove;  // the request's start, then the last byte
    curl_off_t lastBytes = 0;                         // received plus sent
};

// CURLOPT_XFERINFOFUNCTION for a StallWatch passed as CURLOPT_XFERINFODATA.
// libcurl calls it at least about once a second, so a stall ends within
// about a second after the limit.
int checkStall(void* watch, curl_off_t downloadTotal, curl_off_t downloaded, curl_off_t uploadTotal,
               curl_off_t uploaded);
