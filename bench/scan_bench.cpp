// Throughput of the collect command's page work: UTF-8 decoding, the row
// pattern, and reading the rows out. Run: build/bin/scan_bench
#include <benchmark/benchmark.h>

#include <string>

#include "regex/regex_object.h"
#include "search/row_extraction.h"
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

// 2 MB on one line of "<tr class=" with no '>' anywhere: every row start
// opens a lazy scan that can never close.
void scanHostilePage(benchmark::State& state) {
    std::string page;
    while (page.size() < 2 * 1024 * 1024) page += "<tr class=";
    RegexObject regex;
    for (auto _ : state) {
        benchmark::DoNotOptimize(scanPage(regex, page).size());
    }
    reportRates(state, page.size(), 0);
}
BENCHMARK(scanHostilePage)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
