// The calling thread waits through the hook while the worker runs, and no
// second request can start in the meantime.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "http_server.h"
#include "net/fetch_url.h"
#include "net/request_slots.h"
#include "net/request_wait.h"
#include "net_test_support.h"

namespace {

class WaitHookTest : public NetTest {};

TEST_F(WaitHookTest, HookRunsOnTheCallingThreadWhileTheRequestIsInFlight)
{
    // The server answers only once the hook lets it, so the hook provably
    // runs while the worker waits for the answer.
    std::promise<void> answer;
    std::shared_future<void> answerAllowed = answer.get_future().share();
    HttpServer server([&](httplib::Server& s) {
        s.Get("/", [answerAllowed](const httplib::Request&, httplib::Response& r) {
            answerAllowed.wait_for(std::chrono::seconds(5));  // no hook: the test fails, not hangs
            r.set_content("page", "text/html");
        });
    });
    int calls = 0;
    std::thread::id hookThread;
    bool doneWhenHookReturned = false;
    setRequestWaitHook([&](const std::atomic<bool>& done) {
        ++calls;
        hookThread = std::this_thread::get_id();
        answer.set_value();
        done.wait(false);
        doneWhenHookReturned = done.load();
    });

    EXPECT_EQ(fetchUrl(server.url("/")), "page");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(hookThread, std::this_thread::get_id());
    EXPECT_TRUE(doneWhenHookReturned);
}

TEST_F(WaitHookTest, RequestStartedFromTheHookGetsNothingAndSendsNothing)
{
    int innerRequests = 0;
    HttpServer outer([](httplib::Server& s) {
        s.Get("/", [](const httplib::Request&, httplib::Response& r) { r.set_content("outer page", "text/html"); });
    });
    HttpServer inner([&](httplib::Server& s) {
        s.Get("/", [&](const httplib::Request&, httplib::Response& r) {
            ++innerRequests;
            r.set_content("inner page", "text/html");
        });
    });
    std::string innerResult = "not called";
    setRequestWaitHook([&](const std::atomic<bool>& done) {
        innerResult = fetchUrl(inner.url("/"));
        done.wait(false);
    });

    EXPECT_EQ(fetchUrl(outer.url("/")), "outer page");
    EXPECT_EQ(innerResult, "");
    EXPECT_EQ(innerRequests, 0);
    EXPECT_EQ(requestUrl, outer.url("/"));

    setRequestWaitHook({});
    EXPECT_EQ(fetchUrl(inner.url("/")), "inner page");  // once the first has ended
}

}  // namespace
