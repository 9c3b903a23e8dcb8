// The tempo stream's float-to-PCM conversion: the block form must give exactly what the
// one-sample form gives (which the MP3 export has always written), for every tie, the
// clipping edges and blocks of any length and alignment.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "standins/bass/fx/SampleConversion.h"

namespace {

// Worked out in double, independently of the library's rounding functions.
short expected(float value) {
    double scaled = static_cast<double>(value) * 32768.0;
    if (scaled >= 32767.0) return 32767;
    if (scaled <= -32768.0) return -32768;
    double magnitude = std::floor(std::fabs(scaled) + 0.5);
    return static_cast<short>(scaled < 0 ? -magnitude : magnitude);
}

std::vector<short> converted(const std::vector<float>& in, size_t offset = 0) {
    std::vector<short> out(in.size() + offset, 12345);
    floatsToShorts(in.data() + offset, out.data() + offset, in.size() - offset);
    return out;
}

TEST(SampleConversion, TiesRoundAwayFromZeroAndTheEndsClip) {
    std::vector<float> in;
    for (int k = -32769; k <= 32768; ++k) in.push_back((k + 0.5f) / 32768.0f);  // every tie
    const float inf = std::numeric_limits<float>::infinity();
    for (float edge : {32766.5f, 32766.499f, 32767.0f, 32767.2f, -32767.5f, -32768.0f, -32768.3f, 0.49999997f,
                       -0.49999997f, 1.5f, -1.5f, 2.5f, -2.5f, 0.0f, -0.0f}) {
        in.push_back(edge / 32768.0f);
    }
    for (float far : {inf, -inf, 2.0f, -2.0f, 1e30f, -1e30f, std::numeric_limits<float>::denorm_min(), -1e-40f}) {
        in.push_back(far);
    }
    std::vector<short> out = converted(in);
    for (size_t i = 0; i < in.size(); ++i) {
        ASSERT_EQ(out[i], expected(in[i])) << "input " << in[i] * 32768.0f;
        ASSERT_EQ(floatToShort(in[i]), expected(in[i])) << "input " << in[i] * 32768.0f;
    }
    EXPECT_EQ(floatToShort(0.5f / 32768.0f), 1);
    EXPECT_EQ(floatToShort(-0.5f / 32768.0f), -1);
    EXPECT_EQ(floatToShort(32766.5f / 32768.0f), 32767);
}

TEST(SampleConversion, BlocksOfAnyLengthAndPlaceMatchSampleBySample) {
    unsigned seed = 7;
    std::vector<float> in;
    for (int i = 0; i < 4099; ++i) {
        seed = seed * 1103515245u + 12345u;
        // Mostly in range, some beyond full scale, on fine steps so that ties occur.
        in.push_back(static_cast<float>(static_cast<int>(seed >> 8) % 180000 - 90000) / 2.0f / 32768.0f);
    }
    for (size_t offset : {0u, 1u, 3u}) {
        for (size_t length : {0u, 1u, 7u, 8u, 9u, 4096u}) {
            std::vector<float> part(in.begin(), in.begin() + offset + length);
            std::vector<short> out = converted(part, offset);
            for (size_t i = 0; i < offset; ++i) ASSERT_EQ(out[i], 12345) << "wrote before the block";
            for (size_t i = offset; i < part.size(); ++i) ASSERT_EQ(out[i], floatToShort(part[i])) << i;
        }
    }
}

TEST(SampleConversion, AGroupWithNaNGivesWhatTheOneSampleFormGives) {
    std::vector<float> in(16, 0.25f);
    in[5] = std::numeric_limits<float>::quiet_NaN();
    in[6] = 0.75f;
    std::vector<short> out = converted(in);
    for (size_t i = 0; i < in.size(); ++i) EXPECT_EQ(out[i], floatToShort(in[i])) << i;
}

}  // namespace
