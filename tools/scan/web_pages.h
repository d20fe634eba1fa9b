// Web pages for vantrel-scan, through the fetch module (loaded on first use).
#pragma once

#include <optional>
#include <string>

// The page at `url`, empty when the fetch fails (as for the collect command);
// nothing, with `error` filled, when the fetch module cannot be loaded.
std::optional<std::string> fetchWebPage(const std::string& url, std::string& error);
