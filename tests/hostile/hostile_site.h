// The search site gone bad: a cpp-httplib server (run by AppFixture) whose
// answer to the result-page addresses misbehaves in one chosen way.
#pragma once

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>

#include "tests/hostile/hostile_pages.h"

// How the site answers a hostile address.
enum class Delivery {
    Whole,     // the page at once
    Silent,    // takes the request and never says a word
    Trickle,   // the page in pieces, each after a pause shorter than the stall bound
    CutShort,  // declares the whole page's length, sends half of it and hangs up
    Redirect,  // 302 to `location`
};

struct Answer {
    Delivery delivery = Delivery::Whole;
    int status = 200;
    std::string location;  // for Redirect
    bool gzip = false;     // the body goes out gzip-encoded
};

// Every hostile answer starts after this pause, so a request lasts long enough
// for the test to look at the window while it runs; it is well inside the
// stall bound.
inline constexpr std::chrono::milliseconds answerPause{200};
// Trickle: pieces and the pause before each.
inline constexpr int tricklePieces = 4;
inline constexpr std::chrono::milliseconds tricklePause{300};

class HostileSite {
public:
    // `page` may be null for answers that send no page.
    HostileSite(Answer answer, const HostilePage* page);
    ~HostileSite();  // releases silent answers
    HostileSite(const HostileSite&) = delete;
    HostileSite& operator=(const HostileSite&) = delete;

    // "/s/<keyword>" and "/s/<keyword>/2" get the hostile answer, "/s/<keyword>/1"
    // goodPage() at once, and "/loop" redirects to itself.
    void addRoutes(httplib::Server& server);

    // Lets every silent answer end; call before the server stops, which waits for them.
    void release();

    int loopHops() const { return loopHops_.load(); }

private:
    void answer(httplib::Response& response);
    void keepSilent();

    Answer answer_;
    const HostilePage* page_;
    std::string gzipBody_;      // the page gzip-encoded, when the answer says so
    const std::string* wire_;   // the bytes the answer carries
    std::mutex mutex_;
    std::condition_variable releasedChanged_;
    bool released_ = false;
    std::atomic<int> loopHops_{0};
};

// `bytes` in the gzip format (RFC 1952).
std::string gzipped(const std::string& bytes);
