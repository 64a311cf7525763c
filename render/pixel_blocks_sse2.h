#pragma once

// Four-pixel kernels for x86-64, where SSE2 is always there. They compute exactly what
// the one-pixel template computes (the tests compare both over boundary values and long
// sweeps); rows narrower than four pixels and the last pixels of a row take the
// one-pixel template.

// FX_PIXEL_NO_SIMD builds the one-pixel path alone (to test it on x86-64).
#if (defined(__SSE2__) || defined(_M_X64)) && !defined(FX_PIXEL_NO_SIMD)
#define FX_PIXEL_BLOCKS_SSE2 1

#include <emmintrin.h>

#include <cstdint>
#include <type_traits>

#include "render/host_pixel_layout.h"

namespace fx::pixel_layout::sse2 {

// Lane selector that puts staged channel c into host lane position[c].
template <typename L>
constexpr int host_lanes() {
    int staged_of[4] = {};
    for (int c = 0; c < 4; ++c) staged_of[L::position[c]] = c;
    return _MM_SHUFFLE(staged_of[3], staged_of[2], staged_of[1], staged_of[0]);
}

// Lane selector that puts host lane position[c] into staged channel c.
template <typename L>
constexpr int staged_lanes() {
    return _MM_SHUFFLE(L::position[3], L::position[2], L::position[1], L::position[0]);
}

// Held in constants: the shuffle needs an immediate even in unoptimised builds.
template <typename L>
inline constexpr int to_host_shuffle = host_lanes<L>();
template <typename L>
inline constexpr int to_staged_shuffle = staged_lanes<L>();

// max(v, 0) yields 0 for NaN because maxps returns its second operand when unordered.
inline __m128 clamp_unit(__m128 v) { return _mm_min_ps(_mm_max_ps(v, _mm_setzero_ps()), _mm_set1_ps(1.0f)); }

// trunc(c × 255 + 0.5) for c in [0, 1], exact for every float, in float arithmetic.
// c × 255 is not a float in general, but a = c × 256 is, and c × 255 = a − c is the sum of
// a float and its rounding error: with s = a − c rounded, the error is −((s − a) + c)
// exactly (Dekker's fast two-sum, valid because a ≥ c). Writing s = m + f (m whole, f its
// exact fraction), the result is m + 1 exactly when f + error ≥ 0.5, that is
// f − 0.5 ≥ (s − a) + c. f − 0.5 is exact except when f is far below 0.5, where the
// comparison is false either way. A test holds it to the double formula over all 2^32
// floats.
inline __m128i bytes_of(__m128 c) {
    const __m128 a = _mm_mul_ps(c, _mm_set1_ps(256.0f));
    const __m128 s = _mm_sub_ps(a, c);
    const __m128 negated_error = _mm_add_ps(_mm_sub_ps(s, a), c);
    const __m128i whole = _mm_cvttps_epi32(s);
    const __m128 below_half = _mm_sub_ps(_mm_sub_ps(s, _mm_cvtepi32_ps(whole)), _mm_set1_ps(0.5f));
    const __m128i round_up = _mm_castps_si128(_mm_cmpge_ps(below_half, negated_error));
    return _mm_sub_epi32(whole, round_up);
}

// trunc(c × 32768 + 0.5) in float: c × 32768 is exact, and so is its fraction, so
// rounding half up is a comparison rather than an inexact addition.
inline __m128i sixteen_bits_of(__m128 c) {
    const __m128 scaled = _mm_mul_ps(c, _mm_set1_ps(32768.0f));
    const __m128i whole = _mm_cvttps_epi32(scaled);
    const __m128 fraction = _mm_sub_ps(scaled, _mm_cvtepi32_ps(whole));
    const __m128i round_up = _mm_castps_si128(_mm_cmpge_ps(fraction, _mm_set1_ps(0.5f)));
    return _mm_sub_epi32(whole, round_up);
}

// 0 .. 32768 into unsigned 16 bits with the signed pack: shift down by 32768, pack,
// flip the top bit back.
inline __m128i pack_sixteen_bits(__m128i a, __m128i b) {
    const __m128i bias = _mm_set1_epi32(32768);
    const __m128i packed = _mm_packs_epi32(_mm_sub_epi32(a, bias), _mm_sub_epi32(b, bias));
    return _mm_xor_si128(packed, _mm_set1_epi16(static_cast<short>(0x8000)));
}

template <typename L>
inline __m128 host_ordered(const unsigned char* staged) {
    const __m128 v = _mm_loadu_ps(reinterpret_cast<const float*>(staged));
    return _mm_shuffle_ps(v, v, to_host_shuffle<L>);
}

// Staged float R, G, B, A of four pixels (64 bytes) into four host pixels.
template <typename L>
inline void download_block(const unsigned char* staged, unsigned char* host) {
    if constexpr (std::is_same_v<typename L::Channel, float>) {
        // Values pass unchanged, NaN and out-of-range values included.
        for (int p = 0; p < 4; ++p)
            _mm_storeu_ps(reinterpret_cast<float*>(host + 16 * p), host_ordered<L>(staged + 16 * p));
        return;
    }
    __m128i lanes[4];
    for (int p = 0; p < 4; ++p) {
        const __m128 c = clamp_unit(host_ordered<L>(staged + 16 * p));
        if constexpr (std::is_same_v<typename L::Channel, std::uint8_t>) {
            lanes[p] = bytes_of(c);
        } else {
            lanes[p] = sixteen_bits_of(c);
        }
    }
    if constexpr (std::is_same_v<typename L::Channel, std::uint8_t>) {
        const __m128i words = _mm_packs_epi32(lanes[0], lanes[1]);
        const __m128i words2 = _mm_packs_epi32(lanes[2], lanes[3]);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(host), _mm_packus_epi16(words, words2));
    } else {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(host), pack_sixteen_bits(lanes[0], lanes[1]));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(host + 16), pack_sixteen_bits(lanes[2], lanes[3]));
    }
}

// Moves byte position[c] of every 32-bit pixel to byte c.
template <typename L, int C>
inline __m128i byte_moved(__m128i pixels) {
    const __m128i byte = _mm_and_si128(_mm_srli_epi32(pixels, 8 * L::position[C]), _mm_set1_epi32(0xFF));
    return _mm_slli_epi32(byte, 8 * C);
}

// Moves byte c of every 32-bit pixel to byte position[c]: staged bytes into host order.
template <typename L, int C>
inline __m128i byte_placed(__m128i pixels) {
    const __m128i byte = _mm_and_si128(_mm_srli_epi32(pixels, 8 * C), _mm_set1_epi32(0xFF));
    return _mm_slli_epi32(byte, 8 * L::position[C]);
}

// Four staged 8-bit pixels (R, G, B, A bytes) into four 8-bit host pixels.
template <typename L>
inline void download_byte_block(const unsigned char* staged, unsigned char* host) {
    const __m128i in = _mm_loadu_si128(reinterpret_cast<const __m128i*>(staged));
    const __m128i out = _mm_or_si128(_mm_or_si128(byte_placed<L, 0>(in), byte_placed<L, 1>(in)),
                                     _mm_or_si128(byte_placed<L, 2>(in), byte_placed<L, 3>(in)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(host), out);
}

// Four host pixels into four staged pixels.
template <typename L>
inline void upload_block(const unsigned char* host, unsigned char* staged) {
    if constexpr (std::is_same_v<typename L::Channel, std::uint8_t>) {
        const __m128i in = _mm_loadu_si128(reinterpret_cast<const __m128i*>(host));
        const __m128i out = _mm_or_si128(_mm_or_si128(byte_moved<L, 0>(in), byte_moved<L, 1>(in)),
                                         _mm_or_si128(byte_moved<L, 2>(in), byte_moved<L, 3>(in)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(staged), out);
    } else if constexpr (std::is_same_v<typename L::Channel, float>) {
        for (int p = 0; p < 4; ++p) {
            const __m128 v = _mm_loadu_ps(reinterpret_cast<const float*>(host + 16 * p));
            _mm_storeu_ps(reinterpret_cast<float*>(staged + 16 * p), _mm_shuffle_ps(v, v, to_staged_shuffle<L>));
        }
    } else {
        const __m128 scale = _mm_set1_ps(1.0f / 32768.0f);
        for (int half = 0; half < 2; ++half) {
            const __m128i in = _mm_loadu_si128(reinterpret_cast<const __m128i*>(host + 16 * half));
            const __m128i words[2] = {_mm_unpacklo_epi16(in, _mm_setzero_si128()),
                                      _mm_unpackhi_epi16(in, _mm_setzero_si128())};
            for (int p = 0; p < 2; ++p) {
                const __m128 v = _mm_mul_ps(_mm_cvtepi32_ps(words[p]), scale);
                _mm_storeu_ps(reinterpret_cast<float*>(staged + 32 * half + 16 * p),
                              _mm_shuffle_ps(v, v, to_staged_shuffle<L>));
            }
        }
    }
}

}  // namespace fx::pixel_layout::sse2

#endif
