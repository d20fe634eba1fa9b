// The bytes of one input of vantrel-scan: a file mapped into memory (a page of
// tens of megabytes is then neither copied nor faulted in twice) or what
// standard input gave.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

class InputBytes {
public:
    // Nothing when `name` cannot be read: a missing file, a directory, a read error.
    static std::optional<InputBytes> read(const std::string& name);

    // Bytes the program already holds, a fetched page for one.
    static InputBytes of(std::string bytes);

    std::string_view view() const {
        return mapped_ ? std::string_view(mapped_.get(), size_) : read_;
    }

private:
    struct Unmap {
        size_t size;
        void operator()(char* p) const noexcept;
    };

    std::unique_ptr<char, Unmap> mapped_{nullptr, Unmap{0}};
    size_t size_ = 0;
    std::string read_;
};
