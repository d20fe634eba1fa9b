#include "tests/app/app_fixture.h"

#include <QLineEdit>
#include <QTest>

#include "actions/link_policy.h"
#include "app/app_globals.h"
#include "app/window_bindings.h"
#include "app/window_wait.h"
#include "search/search_address.h"
#include "search/search_globals.h"
#include "tests/net/closed_port.h"
#include "text/codepage.h"
#include "tools/demo-site/demo_routes.h"
#include "ui/one_line_label.h"
#include "ui/result_list.h"
#include "ui/toolkit.h"
#include "ui/window_handlers.h"

void AppFixture::SetUp() {
    pageCounter = 0;
    pageSource.clear();
    initGlobals();
    installWindowWait();
    navigations_.clear();
    // The program's own hand-off still runs; the record only watches it.
    WindowHandlers handlers = windowHandlers();
    handlers.onBrowserNavigate = [this, handOff = std::move(handlers.onBrowserNavigate)](
                                     const std::string& address) {
        navigations_.push_back({gbkToUtf8(address), isHandOffLink(address)});
        if (handOff) handOff(address);
    };
    window_ = &loadWindow(handlers);
}

void AppFixture::TearDown() {
    delete window_;
    server_.reset();
    releaseGlobals();
}

void AppFixture::serve(const std::function<void(httplib::Server&)>& routes) {
    server_ = std::make_unique<HttpServer>([this, &routes](httplib::Server& server) {
        server.set_pre_routing_handler([this](const httplib::Request& request, httplib::Response&) {
            std::lock_guard lock(pathsMutex_);
            paths_.push_back(request.target);
            return httplib::Server::HandlerResponse::Unhandled;
        });
        routes(server);
    });
    searchHost = "127.0.0.1:" + std::to_string(server_->port());
}

void AppFixture::serveNothing() {
    searchHost = "127.0.0.1:" + std::to_string(closedPort());
}

std::vector<std::string> AppFixture::requestedPaths() {
    std::lock_guard lock(pathsMutex_);
    return paths_;
}

void AppFixture::click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

std::string AppFixture::cell(int row, int column) {
    return gbkToUtf8(getCellText(window_->超级列表框1, row, column));
}

std::string AppFixture::statusLine() {
    return window_->标签2->text().toStdString();
}

std::string AppFixture::pageBox() {
    return window_->页数编辑框->text().toStdString();
}
