#include "regex/utf8_matcher.h"

#include <string>
#include <utility>

#include "regex/match_limits.h"
#include "regex/pattern_translation.h"
#include "text/utf8.h"

namespace {

// The translator works on UTF-16; its output goes back to UTF-8.
std::optional<std::string> translateUtf8Pattern(std::string_view pattern) {
    std::u16string wide;
    appendUtf8AsUtf16(pattern, wide);
    const std::optional<TranslatedPattern> translated = translatePattern(wide);
    if (!translated) return std::nullopt;
    std::string pcre2;
    appendUtf16AsUtf8(translated->pcre2, pcre2);
    return pcre2;
}

Pcre2Code8 compile(std::string_view pcre2Pattern, uint32_t compileOptions) {
    Pcre2CompileContext8 context(pcre2_compile_context_create_8(nullptr));
    if (!context) return nullptr;
    pcre2_set_newline_8(context.get(), PCRE2_NEWLINE_LF);
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    return Pcre2Code8(pcre2_compile_8(reinterpret_cast<PCRE2_SPTR8>(pcre2Pattern.data()),
                                      pcre2Pattern.size(), compileOptions, &error, &errorOffset,
                                      context.get()));
}

std::shared_ptr<const Utf8Pattern> finish(Pcre2Code8 code) {
    if (!code) return nullptr;
    auto compiled = std::make_shared<Utf8Pattern>();
    compiled->code = std::move(code);
    pcre2_pattern_info_8(compiled->code.get(), PCRE2_INFO_CAPTURECOUNT, &compiled->groupCount);
    compiled->jit = pcre2_jit_compile_8(compiled->code.get(), PCRE2_JIT_COMPLETE) == 0;
    return compiled;
}

size_t utf8CharLength(unsigned char lead) {
    if (lead < 0xC0) return 1;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    return 4;
}

}  // namespace

std::shared_ptr<const Utf8Pattern> compileUtf8Pattern(std::string_view pattern,
                                                      PatternOptions options) {
    const std::optional<std::string> pcre2 = translateUtf8Pattern(pattern);
    if (!pcre2) return nullptr;
    return finish(compile(*pcre2, pcre2CompileOptions(options)));
}

std::shared_ptr<const Utf8Pattern> compileBytePattern(std::string_view pcre2Pattern,
                                                      PatternOptions options) {
    const uint32_t utf = PCRE2_UTF | PCRE2_MATCH_INVALID_UTF;
    return finish(compile(pcre2Pattern, (pcre2CompileOptions(options) & ~utf) | PCRE2_NEVER_UTF));
}

Utf8Search::Utf8Search(std::shared_ptr<const Utf8Pattern> pattern)
    : pattern_(std::move(pattern)),
      context_(pcre2_match_context_create_8(nullptr)),
      data_(pcre2_match_data_create_from_pattern_8(pattern_->code.get(), nullptr)) {
    if (!context_) return;
    pcre2_set_match_limit_8(context_.get(), matchLimit);
    pcre2_set_depth_limit_8(context_.get(), depthLimit);
    pcre2_set_heap_limit_8(context_.get(), heapLimitKiB);
    if (pattern_->jit) {
        jitStack_.reset(pcre2_jit_stack_create_8(jitStackStart, jitStackMax, nullptr));
        pcre2_jit_stack_assign_8(context_.get(), nullptr, jitStack_.get());
    }
}

Utf8Search::Outcome Utf8Search::find(std::string_view subject, size_t start) {
    if (!context_ || !data_) return Outcome::Stopped;
    // Compiled with PCRE2_MATCH_INVALID_UTF, the pattern is safe on any bytes
    // with PCRE2_NO_UTF_CHECK; without it every call would check the rest of
    // the subject again, twice the time of the whole search on a big page.
    const int rc =
        pcre2_match_8(pattern_->code.get(), reinterpret_cast<PCRE2_SPTR8>(subject.data()),
                      subject.size(), start, PCRE2_NO_UTF_CHECK, data_.get(), context_.get());
    if (rc >= 0) return Outcome::Found;
    return rc == PCRE2_ERROR_NOMATCH ? Outcome::NoMore : Outcome::Stopped;
}

std::span<const size_t> Utf8Search::offsets() const {
    return {pcre2_get_ovector_pointer_8(data_.get()), 2 * (pattern_->groupCount + 1)};
}

size_t nextSearchStart(std::string_view subject, size_t begin, size_t end) {
    if (end > begin) return end;
    if (end >= subject.size()) return subject.size() + 1;
    return end + utf8CharLength(static_cast<unsigned char>(subject[end]));
}

std::optional<std::vector<size_t>> findAllUtf8Matches(
    Utf8Search& search, std::string_view subject, size_t start,
    std::chrono::steady_clock::time_point deadline) {
    std::vector<size_t> offsets;
    while (start <= subject.size()) {
        if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
        const Utf8Search::Outcome outcome = search.find(subject, start);
        if (outcome == Utf8Search::Outcome::Stopped) return std::nullopt;
        if (outcome == Utf8Search::Outcome::NoMore) break;
        const std::span<const size_t> found = search.offsets();
        offsets.insert(offsets.end(), found.begin(), found.end());
        start = nextSearchStart(subject, found[0], found[1]);
    }
    return offsets;
}
