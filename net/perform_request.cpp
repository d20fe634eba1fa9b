#include "net/perform_request.h"

#include <curl/curl.h>

#include <algorithm>
#include <string>
#include <utility>

#include "net/body_sink.h"
#include "net/request_bounds.h"
#include "net/request_headers.h"
#include "net/request_slots.h"
#include "net/stall_watch.h"

namespace {

// Some sites serve other markup, or nothing, to clients that do not look
// like a browser.
constexpr const char* browserUserAgent =
    "Mozilla/5.0 (X11; Linux x86_64; rv:115.0) Gecko/20100101 Firefox/115.0";

CURL* ensureHttpObject()
{
    if (!httpObject)
        httpObject.reset(curl_easy_init());
    return httpObject.get();
}

void setTransportOptions(CURL* curl, const RequestBounds& bounds)
{
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    // Only web pages: no file:, ftp: or other scheme, also not after a redirect.
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, bounds.maxRedirects);
    // A POST stays a POST with its body on every redirect, so the
    // Content-Length we set always matches what is sent.
    curl_easy_setopt(curl, CURLOPT_POSTREDIR, static_cast<long>(CURL_REDIR_POST_ALL));
    // The program reads no environment: no proxy from http_proxy and the like.
    curl_easy_setopt(curl, CURLOPT_PROXY, "");
    // Send the address unchanged; a keyword of ".." must not climb the path.
    curl_easy_setopt(curl, CURLOPT_PATH_AS_IS, 1L);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, browserUserAgent);
    curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "gzip, deflate");
}

void setTimeOptions(CURL* curl, const RequestBounds& bounds, StallWatch& watch)
{
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(bounds.connectTimeout.count()));
    long totalMs = static_cast<long>(bounds.totalTimeout.count());
    if (requestTimeoutMs != 0 && requestTimeoutMs != infiniteTimeout)
        totalMs = std::min(totalMs, static_cast<long>(requestTimeoutMs));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, totalMs);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, checkStall);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &watch);
}

void setMethodOptions(CURL* curl, bool post)
{
    if (!post) {
        curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
        return;
    }
    curl_easy_setopt(curl, CURLOPT_POST, 1L);
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(requestBody.size()));
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, requestBody.c_str());
}

void setBodyOptions(CURL* curl, const RequestBounds& bounds, BodySink& sink)
{
    // Refuses a declared length over the bound before the body comes;
    // collectBody catches the rest (no length given, or a compressed body).
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(bounds.maxBodyBytes));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collectBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
}

}  // namespace

void performRequest()
{
    CURL* curl = ensureHttpObject();
    if (!curl)
        return;
    const RequestBounds bounds = requestBounds();
    const bool post = isPostMethod(requestMethod);
    const CurlSlist headers = requestHeaders(post, requestBody.size());
    BodySink sink(bounds.maxBodyBytes);
    StallWatch watch(bounds.stallTimeout);

    curl_easy_setopt(curl, CURLOPT_URL, requestUrl.c_str());
    setTransportOptions(curl, bounds);
    setTimeOptions(curl, bounds, watch);
    setMethodOptions(curl, post);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.get());
    setBodyOptions(curl, bounds, sink);

    const CURLcode result = curl_easy_perform(curl);
    // Drop the pointers to this request's locals; the open connections stay.
    curl_easy_reset(curl);
    responseText = result == CURLE_OK ? std::move(sink.text) : std::string();
}
