#include "ui/browser_box.h"

#include <utility>

BrowserBox::BrowserBox(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void BrowserBox::setNavigateHook(NavigateHook hook) {
    navigateHook_ = std::move(hook);
}

void BrowserBox::navigate(std::string address) {
    address_ = std::move(address);
    if (navigateHook_) navigateHook_(address_);
}
