#include "text/iconv_handle.h"

IconvHandle openIconv(const char* toCode, const char* fromCode) {
    iconv_t handle = iconv_open(toCode, fromCode);
    if (handle == reinterpret_cast<iconv_t>(-1)) return nullptr;
    return IconvHandle(handle);
}
