// How the calling thread waits for a request worker.
//
// net/ knows nothing of windows. A window program installs a hook that keeps
// its window repainting while it waits; without a hook the caller just blocks.
#pragma once

#include <atomic>
#include <functional>

// Called on fetchUrl's thread after the worker has started. It must return
// once `done` is true (the worker stores true, then calls notify_all, so
// done.wait(false) works as well as polling). fetchUrl joins the worker after
// the hook returns, so a hook that returns early only blocks the join.
using RequestWaitHook = std::function<void(const std::atomic<bool>& done)>;

// Installs `hook`; an empty hook restores the plain blocking wait. Set it
// while no request runs.
void setRequestWaitHook(RequestWaitHook hook);

// Runs the installed hook, if any.
void waitForRequest(const std::atomic<bool>& done);
