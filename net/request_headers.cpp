#include "net/request_headers.h"

#include <new>
#include <string>

namespace {

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

void append(CurlSlist& list, const std::string& line)
{
    curl_slist* head = curl_slist_append(list.get(), line.c_str());
    if (!head)
        throw std::bad_alloc();
    // Appending keeps the head; only the first append creates it.
    if (!list)
        list.reset(head);
}

}  // namespace

bool isPostMethod(std::string_view method)
{
    constexpr std::string_view post = "post";
    if (method.size() != post.size())
        return false;
    for (std::size_t i = 0; i < post.size(); ++i) {
        if (asciiLower(method[i]) != post[i])
            return false;
    }
    return true;
}

CurlSlist requestHeaders(bool post, std::size_t bodyBytes)
{
    CurlSlist list;
    if (post) {
        append(list, "Content-Type: application/x-www-form-urlencoded");
        append(list, "Content-Length: " + std::to_string(bodyBytes));
    } else {
        append(list, "Content-Type: text/XML");
    }
    append(list, "Accept-Language: zh-cn");
    // A bare "Name:" line tells libcurl to leave that header out.
    append(list, "Expect:");
    return list;
}
