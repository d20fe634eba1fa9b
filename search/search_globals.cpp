#include "search/search_globals.h"

std::string pageSource;
int32_t pageCounter = 0;
std::unique_ptr<RegexObject> resultRegex;
