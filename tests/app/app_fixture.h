// The program as the user meets it: globals, the window with its real
// handlers and the painting wait, pointed at a site served in-process.
#pragma once

#include <gtest/gtest.h>

#include <QPointer>

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "tests/net/http_server.h"
#include "ui/main_window.h"

class AppFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the site with `routes` (the demo site's by default) and points
    // the program at it; the requested paths are recorded.
    void serve(const std::function<void(httplib::Server&)>& routes);
    // Points the program at a port where nothing listens.
    void serveNothing();

    std::vector<std::string> requestedPaths();

    // An address the hidden browser box navigated to (UTF-8), with the link
    // policy's word on it: only an allowed address goes on to the opener.
    struct Navigation {
        std::string address;
        bool handOffAllowed = false;
    };
    std::vector<Navigation> navigations() const { return navigations_; }

    MainWindow& window() { return *window_; }
    void click(QWidget* button);
    // Column `column` of `row`, as UTF-8.
    std::string cell(int row, int column);
    std::string statusLine();
    std::string pageBox();

private:
    std::unique_ptr<HttpServer> server_;
    std::mutex pathsMutex_;
    std::vector<std::string> paths_;
    QPointer<MainWindow> window_;
    std::vector<Navigation> navigations_;
};
