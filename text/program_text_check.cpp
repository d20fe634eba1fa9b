#include "text/program_text_check.h"

#include <immintrin.h>

#include <cstring>

#include "text/ascii_runs.h"
#include "text/utf8.h"

namespace {

// The length of the valid sequence at s[i] that program text keeps, or 0.
// The second byte's range rules out overlong forms, surrogates and values
// above U+10FFFF; 0xEE and 0xEF 0x80..0xA3 lead the BMP's private-use area.
size_t keptSequenceLength(const unsigned char* s, size_t i, size_t n) {
    const unsigned char lead = s[i];
    const size_t left = n - i;
    if (lead >= 0xC2 && lead <= 0xDF) return left >= 2 && isUtf8Trail(s[i + 1]) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (left < 3 || lead == 0xEE || !isUtf8Trail(s[i + 2])) return 0;
        const unsigned char second = s[i + 1];
        const unsigned char lower = lead == 0xE0 ? 0xA0 : (lead == 0xEF ? 0xA4 : 0x80);
        const unsigned char upper = lead == 0xED ? 0x9F : 0xBF;
        return second >= lower && second <= upper ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (left < 4 || !isUtf8Trail(s[i + 2]) || !isUtf8Trail(s[i + 3])) return 0;
        const unsigned char second = s[i + 1];
        const unsigned char lower = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char upper = lead == 0xF4 ? 0x8F : 0xBF;
        return second >= lower && second <= upper ? 4 : 0;
    }
    return 0;
}

// Error bits of the lookup tables: each names a way a byte and the one
// before it can be wrong; a pair is wrong when all three lookups share a bit.
constexpr char tooShort = 1 << 0;   // lead, then no continuation
constexpr char tooLong = 1 << 1;    // ASCII, then continuation
constexpr char overlong3 = 1 << 2;  // E0 80..9F
constexpr char tooLarge = 1 << 3;   // F4 90..BF, F5..FF
constexpr char surrogate = 1 << 4;  // ED A0..BF
constexpr char overlong2 = 1 << 5;  // C0, C1
constexpr char tooLarge1000 = 1 << 6;
constexpr char overlong4 = 1 << 6;                    // F0 80..8F
constexpr char twoConts = static_cast<char>(1 << 7);  // a continuation where none may be
constexpr char carry = tooShort | tooLong | twoConts;

struct Tables {
    __m128i firstHigh, firstLow, secondHigh;
};

Tables lookupTables() {
    return {
        _mm_setr_epi8(tooLong, tooLong, tooLong, tooLong, tooLong, tooLong, tooLong, tooLong,
                      twoConts, twoConts, twoConts, twoConts, tooShort | overlong2, tooShort,
                      tooShort | overlong3 | surrogate,
                      tooShort | tooLarge | tooLarge1000 | overlong4),
        _mm_setr_epi8(carry | overlong3 | overlong2 | overlong4, carry | overlong2, carry, carry,
                      carry | tooLarge, carry | tooLarge | tooLarge1000,
                      carry | tooLarge | tooLarge1000, carry | tooLarge | tooLarge1000,
                      carry | tooLarge | tooLarge1000, carry | tooLarge | tooLarge1000,
                      carry | tooLarge | tooLarge1000, carry | tooLarge | tooLarge1000,
                      carry | tooLarge | tooLarge1000, carry | tooLarge | tooLarge1000 | surrogate,
                      carry | tooLarge | tooLarge1000, carry | tooLarge | tooLarge1000),
        _mm_setr_epi8(tooShort, tooShort, tooShort, tooShort, tooShort, tooShort, tooShort,
                      tooShort,
                      tooLong | overlong2 | twoConts | overlong3 | tooLarge1000 | overlong4,
                      tooLong | overlong2 | twoConts | overlong3 | tooLarge,
                      tooLong | overlong2 | twoConts | surrogate | tooLarge,
                      tooLong | overlong2 | twoConts | surrogate | tooLarge, tooShort, tooShort,
                      tooShort, tooShort),
    };
}

// Everything a block of 16 bytes and the three bytes before it (the tail of
// `previous`) can get wrong, as non-zero bytes.
__attribute__((target("ssse3"))) __m128i blockErrors(const Tables& tables, __m128i input,
                                                     __m128i previous) {
    const __m128i lowNibbles = _mm_set1_epi8(0x0F);
    const __m128i prev1 = _mm_alignr_epi8(input, previous, 15);
    const __m128i byte1High =
        _mm_shuffle_epi8(tables.firstHigh, _mm_and_si128(_mm_srli_epi16(prev1, 4), lowNibbles));
    const __m128i byte1Low = _mm_shuffle_epi8(tables.firstLow, _mm_and_si128(prev1, lowNibbles));
    const __m128i byte2High =
        _mm_shuffle_epi8(tables.secondHigh, _mm_and_si128(_mm_srli_epi16(input, 4), lowNibbles));
    const __m128i special = _mm_and_si128(_mm_and_si128(byte1High, byte1Low), byte2High);
    // Third and fourth bytes of a sequence must be continuations, and only they.
    const __m128i prev2 = _mm_alignr_epi8(input, previous, 14);
    const __m128i prev3 = _mm_alignr_epi8(input, previous, 13);
    const __m128i third = _mm_subs_epu8(prev2, _mm_set1_epi8(static_cast<char>(0xE0 - 0x80)));
    const __m128i fourth = _mm_subs_epu8(prev3, _mm_set1_epi8(static_cast<char>(0xF0 - 0x80)));
    const __m128i mustContinue =
        _mm_and_si128(_mm_or_si128(third, fourth), _mm_set1_epi8(static_cast<char>(0x80)));
    const __m128i lengthErrors = _mm_xor_si128(mustContinue, special);
    // The private-use area: EE anywhere, EF then 80..A3.
    const __m128i leadsEE = _mm_cmpeq_epi8(input, _mm_set1_epi8(static_cast<char>(0xEE)));
    const __m128i afterEF = _mm_cmpeq_epi8(prev1, _mm_set1_epi8(static_cast<char>(0xEF)));
    const __m128i atMostA3 =
        _mm_cmpeq_epi8(_mm_min_epu8(input, _mm_set1_epi8(static_cast<char>(0xA3))), input);
    const __m128i privateUse = _mm_or_si128(leadsEE, _mm_and_si128(afterEF, atMostA3));
    return _mm_or_si128(lengthErrors, privateUse);
}

__attribute__((target("ssse3"))) bool keepsProgramTextSsse3(std::string_view utf8) {
    const Tables tables = lookupTables();
    const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
    const size_t n = utf8.size();
    const __m128i zero = _mm_setzero_si128();
    __m128i previous = zero;
    __m128i errors = zero;
    __m128i zeroBytes = zero;
    size_t i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m128i input = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        zeroBytes = _mm_or_si128(zeroBytes, _mm_cmpeq_epi8(input, zero));
        // An ASCII block after a complete sequence can hold no other error; the
        // check of the one after it needs only its last bytes, all ASCII.
        if (_mm_movemask_epi8(_mm_or_si128(input, previous)) == 0) continue;
        errors = _mm_or_si128(errors, blockErrors(tables, input, previous));
        previous = input;
        if (_mm_movemask_epi8(input) == 0) previous = zero;
    }
    // The tail padded with spaces, then a block of spaces: a sequence cut off
    // by the end meets ASCII.
    unsigned char tail[16];
    std::memset(tail, ' ', sizeof tail);
    std::memcpy(tail, s + i, n - i);
    const __m128i last = _mm_loadu_si128(reinterpret_cast<const __m128i*>(tail));
    zeroBytes = _mm_or_si128(zeroBytes, _mm_cmpeq_epi8(last, zero));
    errors = _mm_or_si128(errors, blockErrors(tables, last, previous));
    errors = _mm_or_si128(errors, blockErrors(tables, _mm_set1_epi8(' '), last));
    errors = _mm_or_si128(errors, zeroBytes);
    return _mm_movemask_epi8(_mm_cmpeq_epi8(errors, zero)) == 0xFFFF;
}

}  // namespace

bool keepsProgramTextScalar(std::string_view utf8) {
    if (utf8.find('\0') != std::string_view::npos) return false;
    const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
    const size_t n = utf8.size();
    size_t i = 0;
    while (i < n) {
        if (s[i] < 0x80) {
            i = asciiRunEnd(s, i, n);
            continue;
        }
        const size_t length = keptSequenceLength(s, i, n);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::optional<bool> keepsProgramTextVector(std::string_view utf8) {
    static const bool hasSsse3 = __builtin_cpu_supports("ssse3");
    if (!hasSsse3) return std::nullopt;
    return keepsProgramTextSsse3(utf8);
}
