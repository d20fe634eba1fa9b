#include "net/fetch_url.h"

#include <atomic>
#include <system_error>
#include <thread>

#include "net/network.h"
#include "net/perform_request.h"
#include "net/request_slots.h"
#include "net/request_wait.h"
#include "text/codepage.h"

namespace {

std::atomic<bool> requestRunning{false};
std::atomic<bool> workerDone{false};

// Clears requestRunning however fetchUrl leaves.
struct RunningRequest {
    ~RunningRequest() { requestRunning.store(false); }
};

void writeSlots(std::string_view url, std::string_view method, std::string_view body,
                std::uint32_t timeoutMs)
{
    requestUrl.assign(textBytes(url));
    requestMethod.assign(textBytes(method));
    requestBody.assign(textBytes(body));
    requestTimeoutMs = timeoutMs == 0 ? infiniteTimeout : timeoutMs;
}

void runWorker()
{
    workerDone.store(false);
    std::jthread worker;
    try {
        worker = std::jthread(requestWorker);
    } catch (const std::system_error&) {
        return;  // no thread, no request: responseText stays as it was
    }
    waitForRequest(workerDone);
    // jthread joins here, also when the hook throws.
}

}  // namespace

void requestWorker()
{
    performRequest();
    workerDone.store(true);
    workerDone.notify_all();
}

std::string fetchUrl(std::string_view url, std::string_view method, std::string_view body,
                     std::uint32_t timeoutMs)
{
    if (requestRunning.exchange(true))
        return {};
    const RunningRequest running;
    initNetwork();
    writeSlots(url, method, body, timeoutMs);
    runWorker();
    return responseText;
}
