#include "app/app_globals.h"

#include <memory>

#include "net/request_slots.h"
#include "search/search_globals.h"

void initGlobals() {
    resultRegex = std::make_unique<RegexObject>();
}

void releaseGlobals() {
    pageSource = {};
    pageSource.shrink_to_fit();
    resultRegex.reset();
    releaseRequestSlots();
}
