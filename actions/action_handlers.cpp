#include "actions/action_handlers.h"

#include "actions/link_hand_off.h"
#include "actions/row_actions.h"
#include "actions/support_links.h"
#include "ui/window_handlers.h"

void addActionHandlers(WindowHandlers& handlers) {
    handlers.onResultListRightClick = onResultListRightClick;
    handlers.onDownloadMenuSelected = onDownloadMenuSelected;
    handlers.onCopyLinkMenuSelected = onCopyLinkMenuSelected;
    handlers.onSupportButton1Clicked = onSupportButton1Clicked;
    handlers.onSupportButton2Clicked = onSupportButton2Clicked;
    handlers.onBrowserNavigate = [](const std::string& address) { handOffLink(address); };
}
