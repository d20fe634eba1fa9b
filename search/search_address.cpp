#include "search/search_address.h"

#include "build_config.h"

std::string searchHost = buildConfig::searchHost;

std::string searchBase() {
    return "http://" + searchHost + "/s/";
}

std::string firstPageAddress(std::string_view encodedKeyword) {
    return searchBase() + std::string(encodedKeyword);
}

std::string pageAddress(std::string_view encodedKeyword, int pageNumber) {
    return firstPageAddress(encodedKeyword) + "/" + std::to_string(pageNumber);
}
