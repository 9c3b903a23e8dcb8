// The arithmetic of following the playing position: which sentence contains it, where a
// seek must aim to land on a sentence start, and the position label's text. No windows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "player/lyrics/LyricsTextEditor.h"

// The sentence whose start the position has reached: sentence 0 before the first start; a
// later sentence whose start lies below the previous one counts as lasting 10 s; past all
// starts the last sentence, unless the trailing sentences have no start (0), in which case
// the last one that has. -1 without sentences.
int findSentenceIndex(const std::vector<LyricsTextEditor::SentenceData>& sentences, uint32_t position);

// Where to seek once more after a seek to `target` landed at `reached`: the target moved by
// the miss in the other direction, so that the decoder's granularity is made up for. Kept
// within [0, length] (the plain unsigned sum would wrap to about 4.29e9 ms).
uint32_t correctedSeekTarget(uint32_t target, uint32_t reached, uint32_t length);

// "mm:ss/mm:ss" of the position and the length; minutes are not wrapped at 60.
std::wstring formatPositionLabel(uint32_t positionMs, uint32_t lengthMs);
