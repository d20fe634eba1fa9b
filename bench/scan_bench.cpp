// Throughput of the collect command's page work (UTF-8 decoding, the row
// pattern, reading the rows out) and of vantrel-scan's direct path over the
// UTF-8 page. Run: build/bin/scan_bench
#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "regex/regex_object.h"
#include "search/row_extraction.h"
#include "search/utf8_row_scan.h"
#include "tools/demo-site/result_page.h"

namespace {

void reportRates(benchmark::State& state, size_t pageBytes, size_t rows) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * pageBytes));
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(state.iterations() * rows),
                                                  benchmark::Counter::kIsRate);
    state.counters["page_bytes"] = static_cast<double>(pageBytes);
}

void scanGeneratedPage(benchmark::State& state) {
    const int rowCount = static_cast<int>(state.range(0));
    const std::string page = resultPageHtml("测试关键词", 1, rowCount);
    RegexObject regex;
    size_t rows = 0;
    for (auto _ : state) {
        rows = scanPage(regex, page).size();
        benchmark::DoNotOptimize(rows);
    }
    if (rows != static_cast<size_t>(rowCount)) state.SkipWithError("row count differs");
    reportRates(state, page.size(), rows);
}
BENCHMARK(scanGeneratedPage)->Arg(20)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);

// vantrel-scan's path: the same rows read from the UTF-8 page as it lies,
// its parts searched on every core.
void scanGeneratedPageDirect(benchmark::State& state) {
    const int rowCount = static_cast<int>(state.range(0));
    const std::string page = resultPageHtml("测试关键词", 1, rowCount);
    size_t rows = 0;
    for (auto _ : state) {
        const std::optional<Utf8Rows> found = scanUtf8Page(page);
        rows = found ? found->size() : 0;
        benchmark::DoNotOptimize(rows);
    }
    if (rows != static_cast<size_t>(rowCount)) state.SkipWithError("row count differs");
    reportRates(state, page.size(), rows);
}
BENCHMARK(scanGeneratedPageDirect)->Arg(20)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond)->UseRealTime();

// 2 MB on one line of "<tr class=" with no '>' anywhere: every row start
// opens a lazy scan that can never close.
std::string hostilePage() {
    std::string page;
    while (page.size() < 2 * 1024 * 1024) page += "<tr class=";
    return page;
}

void scanHostilePage(benchmark::State& state) {
    const std::string page = hostilePage();
    RegexObject regex;
    for (auto _ : state) {
        benchmark::DoNotOptimize(scanPage(regex, page).size());
    }
    reportRates(state, page.size(), 0);
}
BENCHMARK(scanHostilePage)->Unit(benchmark::kMillisecond);

void scanHostilePageDirect(benchmark::State& state) {
    const std::string page = hostilePage();
    for (auto _ : state) {
        benchmark::DoNotOptimize(scanUtf8Page(page));
    }
    reportRates(state, page.size(), 0);
}
BENCHMARK(scanHostilePageDirect)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
