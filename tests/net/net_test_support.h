// Shared set-up of the net/ tests: lowered bounds, so that every failure ends
// quickly, and a clock for the failures that must end within their bound.
#pragma once

#include <gtest/gtest.h>

#include <chrono>

#include "net/request_bounds.h"
#include "net/request_wait.h"

class NetTest : public ::testing::Test {
protected:
    static constexpr std::chrono::milliseconds connectBound{300};
    static constexpr std::chrono::milliseconds stallBound{500};
    static constexpr std::chrono::milliseconds totalBound{2500};

    void SetUp() override
    {
        saved_ = requestBounds();
        RequestBounds lowered = saved_;
        lowered.connectTimeout = connectBound;
        lowered.stallTimeout = stallBound;
        lowered.totalTimeout = totalBound;
        setRequestBounds(lowered);
    }
    void TearDown() override
    {
        setRequestBounds(saved_);
        setRequestWaitHook({});
    }

private:
    RequestBounds saved_;
};

class Stopwatch {
public:
    std::chrono::milliseconds elapsed() const
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_);
    }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};
