// Addresses of the search site's result pages.
#pragma once

#include <string>
#include <string_view>

// "http://" + the configured search host + "/s/".
std::string searchBase();

std::string firstPageAddress(std::string_view encodedKeyword);
std::string pageAddress(std::string_view encodedKeyword, int pageNumber);
