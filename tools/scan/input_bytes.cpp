#include "tools/scan/input_bytes.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>
#include <thread>
#include <utility>

namespace {

struct FileDescriptor {
    int fd;
    ~FileDescriptor() {
        if (fd > STDIN_FILENO) close(fd);
    }
};

// A mapped file cut short by another program while we read it would kill
// the process with SIGBUS; say what happened and end with the error code.
void onBusError(int) {
    static const char message[] = "vantrel-scan: an input file shrank while it was read\n";
    [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, message, sizeof message - 1);
    _exit(2);
}

void catchBusErrors() {
    struct sigaction action {};
    action.sa_handler = onBusError;
    sigaction(SIGBUS, &action, nullptr);
}

// Maps the whole file's pages before the scan reads them, a big file's two
// halves by two threads at once: for a page of tens of megabytes that is
// milliseconds of kernel work. Where the kernel cannot (before Linux 5.14),
// pages are mapped as they are first read.
void populate(char* p, size_t size) {
    constexpr size_t pageSize = 4096;
    constexpr size_t splitFrom = 4 << 20;
    const size_t half = size < splitFrom ? 0 : size / 2 / pageSize * pageSize;
    std::jthread helper;
    try {
        if (half > 0)
            helper = std::jthread([=] { madvise(p + half, size - half, MADV_POPULATE_READ); });
    } catch (const std::system_error&) {
        madvise(p + half, size - half, MADV_POPULATE_READ);  // no thread: this one does it
    }
    madvise(p, half > 0 ? half : size, MADV_POPULATE_READ);
}

bool readAll(int fd, std::string& out) {
    char buffer[1 << 16];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0)
        out.append(buffer, static_cast<size_t>(got));
    return got == 0;
}

}  // namespace

void InputBytes::Unmap::operator()(char* p) const noexcept {
    munmap(p, size);
}

InputBytes InputBytes::of(std::string bytes) {
    InputBytes input;
    input.read_ = std::move(bytes);
    return input;
}

std::optional<InputBytes> InputBytes::read(const std::string& name) {
    const FileDescriptor file{name == "-" ? STDIN_FILENO
                                          : open(name.c_str(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0) return std::nullopt;
    struct stat info {};
    if (fstat(file.fd, &info) != 0 || S_ISDIR(info.st_mode)) return std::nullopt;
    InputBytes input;
    if (S_ISREG(info.st_mode) && info.st_size > 0) {
        const auto size = static_cast<size_t>(info.st_size);
        void* p = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, file.fd, 0);
        if (p != MAP_FAILED) {
            populate(static_cast<char*>(p), size);
            catchBusErrors();
            input.mapped_ = {static_cast<char*>(p), Unmap{size}};
            input.size_ = size;
            return input;
        }
    }
    // Pipes, devices, files the kernel will not map (and empty files).
    if (!readAll(file.fd, input.read_)) return std::nullopt;
    return input;
}
