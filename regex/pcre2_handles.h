// Owning handles for the PCRE2 objects this folder uses: 16-bit for program
// text, 8-bit for UTF-8 subjects matched in place.
#pragma once

#ifndef PCRE2_CODE_UNIT_WIDTH
#define PCRE2_CODE_UNIT_WIDTH 16
#endif
#include <pcre2.h>

#include <memory>

struct Pcre2CodeDeleter {
    void operator()(pcre2_code_16* p) const noexcept { pcre2_code_free_16(p); }
};
struct Pcre2MatchDataDeleter {
    void operator()(pcre2_match_data_16* p) const noexcept { pcre2_match_data_free_16(p); }
};
struct Pcre2JitStackDeleter {
    void operator()(pcre2_jit_stack_16* p) const noexcept { pcre2_jit_stack_free_16(p); }
};
struct Pcre2MatchContextDeleter {
    void operator()(pcre2_match_context_16* p) const noexcept { pcre2_match_context_free_16(p); }
};
struct Pcre2CompileContextDeleter {
    void operator()(pcre2_compile_context_16* p) const noexcept {
        pcre2_compile_context_free_16(p);
    }
};

using Pcre2Code = std::unique_ptr<pcre2_code_16, Pcre2CodeDeleter>;
using Pcre2MatchData = std::unique_ptr<pcre2_match_data_16, Pcre2MatchDataDeleter>;
using Pcre2JitStack = std::unique_ptr<pcre2_jit_stack_16, Pcre2JitStackDeleter>;
using Pcre2MatchContext = std::unique_ptr<pcre2_match_context_16, Pcre2MatchContextDeleter>;
using Pcre2CompileContext = std::unique_ptr<pcre2_compile_context_16, Pcre2CompileContextDeleter>;

struct Pcre2Code8Deleter {
    void operator()(pcre2_code_8* p) const noexcept { pcre2_code_free_8(p); }
};
struct Pcre2MatchData8Deleter {
    void operator()(pcre2_match_data_8* p) const noexcept { pcre2_match_data_free_8(p); }
};
struct Pcre2JitStack8Deleter {
    void operator()(pcre2_jit_stack_8* p) const noexcept { pcre2_jit_stack_free_8(p); }
};
struct Pcre2MatchContext8Deleter {
    void operator()(pcre2_match_context_8* p) const noexcept { pcre2_match_context_free_8(p); }
};
struct Pcre2CompileContext8Deleter {
    void operator()(pcre2_compile_context_8* p) const noexcept { pcre2_compile_context_free_8(p); }
};

using Pcre2Code8 = std::unique_ptr<pcre2_code_8, Pcre2Code8Deleter>;
using Pcre2MatchData8 = std::unique_ptr<pcre2_match_data_8, Pcre2MatchData8Deleter>;
using Pcre2JitStack8 = std::unique_ptr<pcre2_jit_stack_8, Pcre2JitStack8Deleter>;
using Pcre2MatchContext8 = std::unique_ptr<pcre2_match_context_8, Pcre2MatchContext8Deleter>;
using Pcre2CompileContext8 = std::unique_ptr<pcre2_compile_context_8, Pcre2CompileContext8Deleter>;
