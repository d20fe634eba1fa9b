#include "tools/scan/web_pages.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <memory>

#include "tools/scan/fetch_module.h"

namespace {

struct ModuleCloser {
    void operator()(void* handle) const noexcept { dlclose(handle); }
};
using Module = std::unique_ptr<void, ModuleCloser>;

// The module's place relative to this program's folder, the same in the
// build tree and in an installation.
std::string modulePath() {
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return VANTREL_SCAN_FETCH_MODULE;
    std::string path(self, static_cast<size_t>(length));
    return path.substr(0, path.rfind('/') + 1) + VANTREL_SCAN_FETCH_MODULE;
}

void copyPage(void* context, const char* bytes, size_t size) {
    static_cast<std::string*>(context)->assign(bytes, size);
}

}  // namespace

std::optional<std::string> fetchWebPage(const std::string& url, std::string& error) {
    static const Module module(dlopen(modulePath().c_str(), RTLD_NOW | RTLD_LOCAL));
    static FetchEntry* const fetch =
        module ? reinterpret_cast<FetchEntry*>(dlsym(module.get(), fetchEntryName)) : nullptr;
    if (!fetch) {
        error = "cannot load the fetch module " + modulePath();
        return std::nullopt;
    }
    std::string page;
    fetch(url.data(), url.size(), copyPage, &page);
    return page;
}
