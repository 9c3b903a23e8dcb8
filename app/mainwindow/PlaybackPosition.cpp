#include "app/mainwindow/PlaybackPosition.h"

#include "foundation/system/StringUtils.h"

namespace {

// A sentence whose successor starts earlier is taken to last this long.
constexpr uint32_t kAssumedSentenceMs = 10000;

}  // namespace

int findSentenceIndex(const std::vector<LyricsTextEditor::SentenceData>& sentences, uint32_t position) {
    const size_t count = sentences.size();
    if (count == 0) return -1;
    size_t last = 0;
    for (size_t i = 0; i + 1 < count; ++i) {
        const uint32_t start = sentences[i].startTime;
        uint32_t end = sentences[i + 1].startTime;
        if (start > position) return static_cast<int>(i);
        if (start > end) end = start + kAssumedSentenceMs;
        if (start <= position && position < end) return static_cast<int>(i);
        if (start != 0) last = i;
    }
    if (count == 1 || last == count - 2) return static_cast<int>(count - 1);
    return static_cast<int>(last);
}

uint32_t correctedSeekTarget(uint32_t target, uint32_t reached, uint32_t length) {
    if (reached > target) {
        const uint32_t overshoot = reached - target;
        return overshoot >= target ? 0 : target - overshoot;
    }
    const uint64_t corrected = static_cast<uint64_t>(target) + (target - reached);
    return corrected > length ? length : static_cast<uint32_t>(corrected);
}

std::wstring formatPositionLabel(uint32_t positionMs, uint32_t lengthMs) {
    const uint32_t seconds = positionMs / 1000;
    const uint32_t lengthSeconds = lengthMs / 1000;
    return formatString(L"%02u:%02u/%02u:%02u", seconds / 60, seconds % 60, lengthSeconds / 60, lengthSeconds % 60);
}
