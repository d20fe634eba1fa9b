#include "net/request_wait.h"

#include <utility>

namespace {

RequestWaitHook waitHook;

}  // namespace

void setRequestWaitHook(RequestWaitHook hook)
{
    waitHook = std::move(hook);
}

void waitForRequest(const std::atomic<bool>& done)
{
    if (waitHook)
        waitHook(done);
}
