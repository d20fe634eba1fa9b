// The hidden box that only hands addresses on: setting its address "navigates",
// which passes the address to whatever hook the window was given for it.
#pragma once

#include <QWidget>

#include <functional>
#include <string>

class BrowserBox : public QWidget {
    Q_OBJECT

public:
    using NavigateHook = std::function<void(const std::string& address)>;

    explicit BrowserBox(QWidget* parent = nullptr);

    void setNavigateHook(NavigateHook hook);

    // Keeps `address` (program text) as the box's address and navigates to it at once.
    void navigate(std::string address);

    const std::string& address() const { return address_; }

private:
    std::string address_;
    NavigateHook navigateHook_;
};
