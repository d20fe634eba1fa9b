// The collect command end to end (request, decoding, matching, list filling)
// against pages served on loopback, beside the bare fetch of the same page,
// and the filling of a list of 100,000 rows. Peak memory is reported as
// max_rss_MiB. Run: build/bin/collect_bench
#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>
#include <httplib.h>
#include <sys/resource.h>

#include <chrono>
#include <map>
#include <string>
#include <thread>

#include "app/app_globals.h"
#include "app/window_bindings.h"
#include "net/fetch_url.h"
#include "net/request_slots.h"
#include "search/search_address.h"
#include "search/search_commands.h"
#include "tools/demo-site/result_page.h"
#include "ui/main_window.h"
#include "ui/result_list.h"
#include "ui/toolkit.h"
#include "ui/window_handlers.h"

namespace {

double maxRssMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Serves /s/<n> with a result page of n rows.
class PageServer {
public:
    PageServer() {
        server_.set_tcp_nodelay(true);  // no delayed-ACK wait on the kept connection
        // Pages are made before the server starts, so that their making is not timed.
        for (int rows : {20, 20000}) pages_[std::to_string(rows)] = resultPageHtml("基准测试", 1, rows);
        server_.Get(R"(/s/(\d+))", [this](const httplib::Request& request, httplib::Response& response) {
            response.set_content(pages_.at(request.matches[1]), "text/html; charset=utf-8");
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        searchHost = "127.0.0.1:" + std::to_string(port_);
    }
    ~PageServer() {
        releaseHttpObject();
        server_.stop();
        thread_.join();
    }

private:
    std::map<std::string, std::string> pages_;
    httplib::Server server_;
    int port_ = -1;
    std::thread thread_;
};

PageServer& pageServer() {
    static PageServer server;
    return server;
}

void collectCommand(benchmark::State& state) {
    pageServer();
    const std::string rows = std::to_string(state.range(0));
    mainWindow().搜索编辑框->setText(QString::fromStdString(rows));
    for (auto _ : state) onCollectClicked();
    if (rowCount(mainWindow().超级列表框1) != state.range(0)) state.SkipWithError("rows missing");
    state.counters["rows/s"] = benchmark::Counter(
        static_cast<double>(state.iterations() * state.range(0)), benchmark::Counter::kIsRate);
    state.counters["max_rss_MiB"] = maxRssMiB();
}
BENCHMARK(collectCommand)->Arg(20)->Arg(20000)->Unit(benchmark::kMillisecond);

void bareFetch(benchmark::State& state) {
    pageServer();
    const std::string address = firstPageAddress(std::to_string(state.range(0)));
    size_t bytes = 0;
    for (auto _ : state) bytes = fetchUrl(address).size();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(bareFetch)->Arg(20)->Arg(20000)->Unit(benchmark::kMillisecond);

// Row by row through the toolkit operations, as the list's own interface offers.
void fillHundredThousandRows(benchmark::State& state) {
    ResultList* list = mainWindow().超级列表框1;
    for (auto _ : state) {
        deleteAllRows(list);
        for (int i = 0; i < 100000; ++i) {
            const int row = insertRow(list);
            setCellText(list, row, 1, std::to_string(row + 1));
            setCellText(list, row, 2, "2024-01-01 12:00:00");
            setCellText(list, row, 3, "1.37 GB");
            setCellText(list, row, 4, "\xB2\xE2\xCA\xD4 file name number " + std::to_string(i));
            setCellText(list, row, 5, "magnet:?xt=urn:btih:0123456789abcdef0123456789abcdef01234567");
        }
        QApplication::processEvents();
    }
    state.counters["max_rss_MiB"] = maxRssMiB();
}
BENCHMARK(fillHundredThousandRows)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    initGlobals();
    loadWindow(windowHandlers());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete &mainWindow();
    releaseGlobals();
    return 0;
}
