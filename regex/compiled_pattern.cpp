#include "regex/compiled_pattern.h"

#include <optional>
#include <string>
#include <utility>

#include "regex/pattern_translation.h"

// The classic engine's reading: \d \w \s \b stay ASCII (no PCRE2_UCP), "."
// and the anchors know only the line feed (set in the compile context), a
// multi-line ^ also matches after a final line feed, an empty class is
// allowed and a back-reference to a group that took no part matches the
// empty text.
uint32_t pcre2CompileOptions(PatternOptions options) {
    uint32_t flags = PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | PCRE2_ALLOW_EMPTY_CLASS |
                     PCRE2_MATCH_UNSET_BACKREF | PCRE2_NEVER_BACKSLASH_C | PCRE2_NEVER_UCP;
    flags |= options.multiLine ? (PCRE2_MULTILINE | PCRE2_ALT_CIRCUMFLEX) : PCRE2_DOLLAR_ENDONLY;
    if (!options.caseSensitive) flags |= PCRE2_CASELESS;
    return flags;
}

namespace {

Pcre2Code compile(std::u16string_view pcre2Pattern, PatternOptions options) {
    Pcre2CompileContext context(pcre2_compile_context_create_16(nullptr));
    if (!context) return nullptr;
    pcre2_set_newline_16(context.get(), PCRE2_NEWLINE_LF);
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    return Pcre2Code(pcre2_compile_16(reinterpret_cast<PCRE2_SPTR16>(pcre2Pattern.data()),
                                      pcre2Pattern.size(), pcre2CompileOptions(options), &error,
                                      &errorOffset, context.get()));
}

// Whether PCRE2 tries the pattern at every position of the subject: no first
// code unit, no set of first units, not anchored to a line start.
bool triedAtEveryPosition(const Pcre2Code& code) {
    uint32_t firstType = 0;
    uint32_t options = 0;
    const uint8_t* firstBits = nullptr;
    pcre2_pattern_info_16(code.get(), PCRE2_INFO_FIRSTCODETYPE, &firstType);
    pcre2_pattern_info_16(code.get(), PCRE2_INFO_ALLOPTIONS, &options);
    pcre2_pattern_info_16(code.get(), PCRE2_INFO_FIRSTBITMAP, &firstBits);
    return firstType == 0 && firstBits == nullptr && (options & PCRE2_ANCHORED) == 0;
}

// A single search that fails tries every start position in one engine call,
// each up to the match limit: tens of milliseconds each, minutes for a page,
// and the run's deadline is only looked at between searches. An alternative
// that calls out and then fails lets the runner end such a search: it is
// reached after the pattern failed at a position and changes no match. Only
// for patterns tried at every position anyway; on the others the alternative
// would cost PCRE2 its start-of-match search (twice the time on a result page)
// and the per-position limit stays their bound.
Pcre2Code withCalloutAtEachStart(std::u16string_view pcre2Pattern, PatternOptions options) {
    std::u16string guarded = u"(?:";
    guarded += pcre2Pattern;
    guarded += u")|(?C)(?!)";
    return compile(guarded, options);
}

}  // namespace

std::shared_ptr<const CompiledPattern> compilePattern(std::u16string_view pattern,
                                                      PatternOptions options) {
    const std::optional<TranslatedPattern> translated = translatePattern(pattern);
    if (!translated) return nullptr;
    auto compiled = std::make_shared<CompiledPattern>();
    compiled->code = compile(translated->pcre2, options);
    if (!compiled->code) return nullptr;
    if (triedAtEveryPosition(compiled->code)) {
        if (Pcre2Code guarded = withCalloutAtEachStart(translated->pcre2, options)) {
            compiled->code = std::move(guarded);
            compiled->calloutAtEachStart = true;
        }
    }
    uint32_t groups = 0;
    pcre2_pattern_info_16(compiled->code.get(), PCRE2_INFO_CAPTURECOUNT, &groups);
    compiled->groupCount = groups;
    // Without JIT (not built in, or no executable memory) the interpreter runs.
    compiled->jit = pcre2_jit_compile_16(compiled->code.get(), PCRE2_JIT_COMPLETE) == 0;
    return compiled;
}
