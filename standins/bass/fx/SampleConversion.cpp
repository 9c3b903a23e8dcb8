#include "standins/bass/fx/SampleConversion.h"

#include <emmintrin.h>

#include <cmath>

short floatToShort(float value) {
    float scaled = value * 32768.0f;
    if (scaled >= 32767.0f) return 32767;
    if (scaled <= -32768.0f) return -32768;
    return static_cast<short>(std::lround(scaled));
}

// The bass_fx library already needs SSE2 (SoundTouch is built for it). Every step is
// exact: scaling by a power of two, clipping, truncating a value below 2^15 and taking
// the fraction back off; so the results are floatToShort's, bit for bit. A group that
// holds a NaN goes through floatToShort, whatever it makes of it.
__attribute__((target("sse2"))) void floatsToShorts(const float* in, short* out, size_t count) {
    const __m128 scale = _mm_set1_ps(32768.0f);
    const __m128 high = _mm_set1_ps(32767.0f);
    const __m128 low = _mm_set1_ps(-32768.0f);
    const __m128 half = _mm_set1_ps(0.5f);
    const __m128 minusHalf = _mm_set1_ps(-0.5f);
    size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        __m128 a = _mm_mul_ps(_mm_loadu_ps(in + i), scale);
        __m128 b = _mm_mul_ps(_mm_loadu_ps(in + i + 4), scale);
        if (_mm_movemask_ps(_mm_or_ps(_mm_cmpunord_ps(a, a), _mm_cmpunord_ps(b, b))) != 0) {
            for (size_t k = i; k < i + 8; ++k) out[k] = floatToShort(in[k]);
            continue;
        }
        __m128i rounded[2];
        __m128 values[2] = {a, b};
        for (int k = 0; k < 2; ++k) {
            __m128 clipped = _mm_max_ps(_mm_min_ps(values[k], high), low);
            __m128i whole = _mm_cvttps_epi32(clipped);
            __m128 fraction = _mm_sub_ps(clipped, _mm_cvtepi32_ps(whole));
            // The masks are -1 where they hold: away from zero at a half or more.
            whole = _mm_sub_epi32(whole, _mm_castps_si128(_mm_cmpge_ps(fraction, half)));
            rounded[k] = _mm_add_epi32(whole, _mm_castps_si128(_mm_cmple_ps(fraction, minusHalf)));
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packs_epi32(rounded[0], rounded[1]));
    }
    for (; i < count; ++i) out[i] = floatToShort(in[i]);
}
