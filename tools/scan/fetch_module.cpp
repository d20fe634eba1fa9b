// The part of vantrel-scan that fetches web pages, loaded only when an input
// is a web address: the HTTP client library and the dozens of libraries it
// pulls in take longer to load than a saved page takes to scan.
#include <cstddef>
#include <string>
#include <string_view>

#include "net/fetch_url.h"
#include "net/network.h"
#include "tools/scan/fetch_module.h"

namespace {

// Releases the client library when the module goes, at exit at the latest.
struct NetworkSession {
    NetworkSession() { initNetwork(); }
    ~NetworkSession() { cleanupNetwork(); }
};

}  // namespace

extern "C" __attribute__((visibility("default"))) void vantrelScanFetch(const char* url,
                                                                        size_t urlLength,
                                                                        TakePage takePage,
                                                                        void* context) {
    static NetworkSession session;
    const std::string page = fetchUrl(std::string_view(url, urlLength));
    takePage(context, page.data(), page.size());
}
