#include "tools/demo-site/demo_routes.h"

#include <charconv>
#include <string>

#include "tools/demo-site/result_page.h"

namespace {

constexpr const char* htmlType = "text/html; charset=utf-8";

// A page number that does not fit an int is past the last page: 0 has no rows.
int pageNumber(const std::string& digits)
{
    int page = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), page);
    return error == std::errc() && end == digits.data() + digits.size() ? page : 0;
}

}  // namespace

void addDemoRoutes(httplib::Server& server)
{
    // cpp-httplib matches the percent-decoded path, so the keyword arrives as
    // UTF-8. The page form comes first: "/s/abc/2" is page 2 of "abc".
    server.Get(R"(/s/(.*)/(\d+))", [](const httplib::Request& request, httplib::Response& response) {
        response.set_content(demoPageHtml(request.matches[1].str(), pageNumber(request.matches[2].str())),
                             htmlType);
    });
    server.Get(R"(/s/(.*))", [](const httplib::Request& request, httplib::Response& response) {
        response.set_content(demoPageHtml(request.matches[1].str(), 1), htmlType);
    });
    server.set_error_handler([](const httplib::Request&, httplib::Response& response) {
        if (response.status == 404)
            response.set_content(notFoundHtml(), htmlType);
    });
}
