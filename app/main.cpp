#include "app/app_main.h"
#include "net/network.h"

int main(int argc, char** argv) {
    // The HTTP library is set up before any thread exists and torn down after
    // the last request has ended.
    initNetwork();
    const int exitCode = appMain(argc, argv);
    cleanupNetwork();
    return exitCode;
}
