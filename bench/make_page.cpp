// Writes a result page of N rows in the site's markup to standard output, for
// measuring whole-process scanners on the same input. Usage: make_page N
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/demo-site/result_page.h"

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 20000;
    const std::string page = resultPageHtml("测试关键词", 1, rows);
    std::fwrite(page.data(), 1, page.size(), stdout);
    return 0;
}
