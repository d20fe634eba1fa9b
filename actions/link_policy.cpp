#include "actions/link_policy.h"

#include <algorithm>

namespace {

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isSchemeChar(char c) {
    return isAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

bool equalsIgnoringCase(std::string_view text, std::string_view lowerCase) {
    return std::equal(text.begin(), text.end(), lowerCase.begin(), lowerCase.end(),
                      [](char a, char b) { return (isAsciiLetter(a) ? (a | 0x20) : a) == b; });
}

// The scheme of an absolute URL (RFC 3986: ALPHA *( ALPHA / DIGIT / "+" / "-" / "." )
// followed by ':'), or the empty view when the text does not start with one.
std::string_view schemeOf(std::string_view link) {
    if (link.empty() || !isAsciiLetter(link.front())) return {};
    const auto end = std::find_if_not(link.begin() + 1, link.end(), isSchemeChar);
    if (end == link.end() || *end != ':') return {};
    return link.substr(0, std::size_t(end - link.begin()));
}

}  // namespace

bool isHandOffLink(std::string_view link) {
    const std::string_view scheme = schemeOf(link);
    return !scheme.empty() && !equalsIgnoringCase(scheme, "file");
}
