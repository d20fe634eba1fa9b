// Addresses of the search site's result pages.
#pragma once

#include <string>
#include <string_view>

// Host (and optional ":port") of the search site: the build value. Tests point
// it at a server of their own.
extern std::string searchHost;

// "http://" + searchHost + "/s/".
std::string searchBase();

std::string firstPageAddress(std::string_view encodedKeyword);
std::string pageAddress(std::string_view encodedKeyword, int pageNumber);
