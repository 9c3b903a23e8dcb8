#pragma once
#include "foundation/regex/Buffer.h"

#include <utility>

// The outcome of one search: word 0 is 1 when matched, word 1 the highest group number,
// then the start and end offsets of groups 0..n (-1 and -1 for a group that took no part).
class MatchResultT {
public:
    MatchResultT() = default;
    explicit MatchResultT(CBufferT<int> words) : mWords(std::move(words)) {}

    bool isMatched() const { return !mWords.isEmpty() && mWords[0] != 0; }
    int getStart() const { return getGroupStart(0); }
    int getEnd() const { return getGroupEnd(0); }
    int maxGroupNumber() const { return mWords.getSize() > 1 ? mWords[1] : -1; }
    int getGroupStart(int group) const { return word(2 + 2 * group); }
    int getGroupEnd(int group) const { return word(3 + 2 * group); }
    const CBufferT<int>& words() const { return mWords; }

private:
    int word(int index) const {
        return (index >= 2 && index < mWords.getSize() && isMatched()) ? mWords[index] : -1;
    }
    CBufferT<int> mWords;
};
