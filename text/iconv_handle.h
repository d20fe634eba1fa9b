// RAII for iconv converters.
#pragma once

#include <iconv.h>

#include <memory>
#include <type_traits>

struct IconvCloser {
    void operator()(iconv_t handle) const noexcept { iconv_close(handle); }
};
using IconvHandle = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

// A converter from `fromCode` to `toCode`; empty when iconv has none.
IconvHandle openIconv(const char* toCode, const char* fromCode);
