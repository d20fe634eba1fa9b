#include "regex/pattern_translation.h"

#include "regex/pattern_translator.h"

uint32_t countCapturingGroups(std::u16string_view p) {
    uint32_t groups = 0;
    bool inClass = false;
    for (size_t i = 0; i < p.size(); ++i) {
        const char16_t c = p[i];
        if (c == u'\\') {
            ++i;
        } else if (inClass) {
            inClass = c != u']';
        } else if (c == u'[') {
            inClass = true;
            if (i + 1 < p.size() && p[i + 1] == u'^') ++i;
        } else if (c == u'(' && (i + 1 >= p.size() || p[i + 1] != u'?')) {
            ++groups;
        }
    }
    return groups;
}

std::optional<TranslatedPattern> translatePattern(std::u16string_view pattern) {
    // A back-reference may come before its group, so count the groups first.
    const uint32_t groups = countCapturingGroups(pattern);
    std::optional<std::u16string> out = PatternTranslator(pattern, groups).run();
    if (!out) return std::nullopt;
    return TranslatedPattern{std::move(*out), groups};
}
