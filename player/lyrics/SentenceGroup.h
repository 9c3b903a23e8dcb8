// One sentence group as the readers hand it over: its times and its three texts.
#pragma once

#include <cstdint>
#include <string>

#include "player/lyrics/TimeText.h"

struct SentenceGroup {
    uint32_t start = 0;
    uint32_t end = kUnsetTime;
    std::wstring sentence;
    std::wstring translation;
    std::wstring explanation;
};
