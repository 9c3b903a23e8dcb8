// Float samples (full scale -1..1) to 16-bit PCM, as the tempo stream gives them out:
// scaled by 32768, clipped to -32768..32767, rounded half away from zero.
#pragma once

#include <cstddef>

// One sample.
short floatToShort(float value);

// A block of samples: the same results as floatToShort, four at a time.
void floatsToShorts(const float* in, short* out, size_t count);
