#include "foundation/regex/RegexContext.h"

#include <algorithm>

void CContext::prepare(const wchar_t* newText, int newLength, int groupCount, int start) {
    text = CBufferRefT<wchar_t>(newText, newLength);
    searchStart = start;
    position = start;
    recursionDepth = 100;
    captures.clear();
    captures.resize(2 * (groupCount + 1), -1);
    stack.clear();
    mStepsLeft = std::max(mStepLimit, 32LL * newLength);
}

void CContext::pushCaptures() {
    stack.append(captures.getBuffer(), captures.getSize());
}

void CContext::popCaptures() {
    int count = captures.getSize();
    int size = stack.getSize();
    if (size < count) return;
    for (int i = 0; i < count; ++i) captures[i] = stack[size - count + i];
    stack.resize(size - count);
}
