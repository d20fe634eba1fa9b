// The method and headers that a request sends, chosen from the request slots.
#pragma once

#include <cstddef>
#include <string_view>

#include "net/curl_handles.h"

// True for "post" in any letter case; every other method, the empty one
// included, is sent as GET.
bool isPostMethod(std::string_view method);

// The headers fetchUrl sets, in the order they leave: for GET Content-Type
// and Accept-Language; for POST Content-Type, Content-Length (bodyBytes) and
// Accept-Language. The list also removes libcurl's own "Expect:" header,
// which a POST body would otherwise bring.
CurlSlist requestHeaders(bool post, std::size_t bodyBytes);
