#include "app/window_bindings.h"

#include "actions/action_handlers.h"
#include "search/search_commands.h"
#include "ui/window_created.h"
#include "ui/window_handlers.h"

WindowHandlers windowHandlers() {
    WindowHandlers handlers;
    handlers.onWindowCreated = onWindowCreated;
    handlers.onCollectClicked = onCollectClicked;
    handlers.onNextPageClicked = onNextPageClicked;
    handlers.onSearchClicked = onSearchClicked;
    addActionHandlers(handlers);
    return handlers;
}
