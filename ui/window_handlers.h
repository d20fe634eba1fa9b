// The handlers that the window definition binds to its events. The window knows
// them only as routines, so the window toolkit never depends on the commands.
#pragma once

#include <functional>
#include <string>

struct WindowHandlers {
    std::function<void()> onWindowCreated;
    std::function<void()> onCollectClicked;
    std::function<void()> onNextPageClicked;
    std::function<void()> onSearchClicked;
    std::function<void()> onSupportButton1Clicked;
    std::function<void()> onSupportButton2Clicked;
    std::function<void()> onResultListRightClick;
    std::function<void()> onDownloadMenuSelected;
    std::function<void()> onCopyLinkMenuSelected;
    // What the hidden browser box does with an address it navigates to.
    std::function<void(const std::string& address)> onBrowserNavigate;
};
