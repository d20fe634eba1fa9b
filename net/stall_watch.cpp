#include "net/stall_watch.h"

int checkStall(void* userData, curl_off_t, curl_off_t downloaded, curl_off_t, curl_off_t uploaded)
{
    auto& watch = *static_cast<StallWatch*>(userData);
    const auto now = std::chrono::steady_clock::now();
    const curl_off_t bytes = downloaded + uploaded;
    if (bytes != watch.lastBytes) {
        watch.lastBytes = bytes;
        watch.lastMove = now;
        return 0;
    }
    return now - watch.lastMove > watch.limit ? 1 : 0;
}
