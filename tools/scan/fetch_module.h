// What vantrel-scan and its fetch module agree on.
#pragma once

#include <cstddef>

// Receives a fetched page; the bytes live only during the call.
using TakePage = void (*)(void* context, const char* bytes, size_t size);

// The module's one entry, looked up by this name. Fetches `url` as the collect
// command does (an empty page on any failure) and hands the page to `takePage`.
extern "C" using FetchEntry =
    void(const char* url, size_t urlLength, TakePage takePage, void* context);
inline constexpr const char* fetchEntryName = "vantrelScanFetch";
