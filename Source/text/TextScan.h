#pragma once
// Byte classes of sixteen bytes at a time, as bit masks (bit k for byte k),
// for the scans of text intake. Two forms give the same answers: one with
// the processor's vector instructions where it has them, and a plain one
// that works everywhere (and checks the other).

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qor::textscan {

namespace plain {

inline uint32_t equalMask(const unsigned char* p, unsigned char c)
{
    uint32_t m = 0;
    for (unsigned k = 0; k < 16; ++k)
        m |= uint32_t(p[k] == c) << k;
    return m;
}

// Bytes below 0x20, and 0xFF.
inline uint32_t controlMask(const unsigned char* p)
{
    uint32_t m = 0;
    for (unsigned k = 0; k < 16; ++k)
        m |= uint32_t(p[k] < 0x20 || p[k] == 0xFF) << k;
    return m;
}

inline uint32_t highMask(const unsigned char* p)
{
    uint32_t m = 0;
    for (unsigned k = 0; k < 16; ++k)
        m |= uint32_t(p[k] >= 0x80) << k;
    return m;
}

// UTF-8 continuation bytes, 0x80 to 0xBF.
inline uint32_t continuationMask(const unsigned char* p)
{
    uint32_t m = 0;
    for (unsigned k = 0; k < 16; ++k)
        m |= uint32_t((p[k] & 0xC0) == 0x80) << k;
    return m;
}

// Leads of two-byte UTF-8 sequences, 0xC2 to 0xDF.
inline uint32_t lead2Mask(const unsigned char* p)
{
    uint32_t m = 0;
    for (unsigned k = 0; k < 16; ++k)
        m |= uint32_t(p[k] >= 0xC2 && p[k] <= 0xDF) << k;
    return m;
}

} // namespace plain

#if defined(__SSE2__)
namespace simd {

inline __m128i load(const unsigned char* p)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

inline uint32_t bits(__m128i m)
{
    return static_cast<uint32_t>(_mm_movemask_epi8(m));
}

inline uint32_t equalMask(const unsigned char* p, unsigned char c)
{
    return bits(_mm_cmpeq_epi8(load(p), _mm_set1_epi8(static_cast<char>(c))));
}

inline uint32_t controlMask(const unsigned char* p)
{
    __m128i v = load(p);
    __m128i below = _mm_cmpeq_epi8(_mm_min_epu8(v, _mm_set1_epi8(0x1F)), v);
    __m128i ff = _mm_cmpeq_epi8(v, _mm_set1_epi8(static_cast<char>(0xFF)));
    return bits(_mm_or_si128(below, ff));
}

inline uint32_t highMask(const unsigned char* p)
{
    return bits(load(p));
}

inline uint32_t continuationMask(const unsigned char* p)
{
    __m128i top = _mm_and_si128(load(p), _mm_set1_epi8(static_cast<char>(0xC0)));
    return bits(_mm_cmpeq_epi8(top, _mm_set1_epi8(static_cast<char>(0x80))));
}

inline uint32_t lead2Mask(const unsigned char* p)
{
    __m128i v = load(p);
    __m128i top = _mm_cmpeq_epi8(_mm_and_si128(v, _mm_set1_epi8(static_cast<char>(0xE0))),
                                 _mm_set1_epi8(static_cast<char>(0xC0)));
    // 0xC0 and 0xC1 lead only overlong forms.
    __m128i overlong = _mm_cmpeq_epi8(_mm_and_si128(v, _mm_set1_epi8(static_cast<char>(0xFE))),
                                      _mm_set1_epi8(static_cast<char>(0xC0)));
    return bits(_mm_andnot_si128(overlong, top));
}

} // namespace simd
namespace active = simd;
#else
namespace active = plain;
#endif

} // namespace qor::textscan
