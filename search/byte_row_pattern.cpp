#include "search/byte_row_pattern.h"

namespace {

// `.*?` ahead of a text that starts with `stop` (one ASCII character without
// a case): the rest can only match where `stop` stands, so the stretches
// between are taken whole, and the lazy steps go from one `stop` to the next
// on the line, in the order `.*?` tries its ends. Neither side crosses a line
// feed. A byte's class is a character's on UTF-8, as `stop` is ASCII.
std::string upTo(char stop) {
    const std::string stretch = std::string("[^") + stop + "\\n]*+";
    return stretch + "(?:" + stop + stretch + ")*?";
}

// `.` on its own: one character, its lead byte and its continuation bytes.
const std::string oneCharacter = "(?:[^\\n\\x80-\\xbf][\\x80-\\xbf]*+)";

// With UTF, a caseless `s` also matches U+017F (long s) and `k` U+212A
// (Kelvin sign); in byte mode these two are spelt out.
const std::string letterS = "(?:s|\\xc5\\xbf)";
const std::string letterK = "(?:k|\\xe2\\x84\\xaa)";

// Line by line as rowPattern has them.
std::string build() {
    const std::string blank = "\"_blan" + letterK + "\"";
    const std::string pageAddress = "\"/bt/\\d+" + oneCharacter + "htm\"";
    const std::string lines[] = {
        "<tr cla" + letterS + letterS + "=" + upTo('>') + ">",
        "            <td><a href=" + pageAddress + " target=" + blank + ">(" + upTo('<') +
            ")</a></td>",
        "            <td>(" + upTo('<') + ")</td>",
        "\\t\\t\\t<td><a href=" + pageAddress + " title=" + upTo(' ') + " target=" + blank + ">" +
            upTo('<') + "</a></td>",
        "\\t\\t\\t<td><a href=\"(" + upTo('"') + ")\" title=\"(" + upTo('"') +
            ")\" target=" + blank + ">" + upTo('<') + "</a></td>",
        "\\t\\t\\t</tr>",
    };
    std::string pattern;
    for (const std::string& line : lines) pattern += (pattern.empty() ? "" : "\\n") + line;
    return pattern;
}

}  // namespace

const std::string& byteRowPattern() {
    static const std::string pattern = build();
    return pattern;
}
