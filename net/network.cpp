#include "net/network.h"

#include <curl/curl.h>

#include <mutex>

#include "net/request_slots.h"

namespace {

std::mutex networkMutex;
bool networkReady = false;

}  // namespace

void initNetwork()
{
    std::lock_guard lock(networkMutex);
    if (!networkReady)
        networkReady = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
}

void cleanupNetwork()
{
    std::lock_guard lock(networkMutex);
    // The easy handle must go before the global state it was made from.
    releaseHttpObject();
    if (networkReady) {
        curl_global_cleanup();
        networkReady = false;
    }
}
