// Copying runs of ASCII between byte and UTF-16 text, 16 characters a step.
// Result pages are mostly markup, so most of every conversion happens here.
#pragma once

#include <emmintrin.h>

#include <cstddef>

// Where the ASCII run that starts at s[i] ends (the first byte >= 0x80, or n).
inline size_t asciiRunEnd(const unsigned char* s, size_t i, size_t n) {
    while (i + 16 <= n) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const int highBits = _mm_movemask_epi8(bytes);
        if (highBits != 0) return i + static_cast<size_t>(__builtin_ctz(highBits));
        i += 16;
    }
    while (i < n && s[i] < 0x80) ++i;
    return i;
}

// Widens the ASCII run at s[i..n) into `out`; returns where the run ends.
inline size_t widenAsciiRun(const unsigned char* s, size_t i, size_t n, char16_t*& out) {
    const __m128i zero = _mm_setzero_si128();
    while (i + 16 <= n) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        if (_mm_movemask_epi8(bytes) != 0) break;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(bytes, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8), _mm_unpackhi_epi8(bytes, zero));
        out += 16;
        i += 16;
    }
    while (i < n && s[i] < 0x80) *out++ = s[i++];
    return i;
}

// Narrows the ASCII run at u[i..n) into `out`; returns where the run ends.
inline size_t narrowAsciiRun(const char16_t* u, size_t i, size_t n, char*& out) {
    const __m128i high = _mm_set1_epi16(static_cast<short>(0xFF80));
    const __m128i zero = _mm_setzero_si128();
    while (i + 16 <= n) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(u + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(u + i + 8));
        const __m128i highBits = _mm_and_si128(_mm_or_si128(a, b), high);
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(highBits, zero)) != 0xFFFF) break;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(a, b));
        out += 16;
        i += 16;
    }
    while (i < n && u[i] < 0x80) *out++ = static_cast<char>(u[i++]);
    return i;
}

// Index of the first zero unit in u[0..n), or n; eight units a step, since
// whole pages pass through here.
inline size_t findZeroUnit(const char16_t* u, size_t n) {
    const __m128i zero = _mm_setzero_si128();
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(u + i));
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(units, zero)) != 0) break;
    }
    while (i < n && u[i] != 0) ++i;
    return i;
}
