#include "foundation/regex/RegexContext.h"

#include <algorithm>

void CContext::prepare(const wchar_t* newText, int newLength, int groupCount, int start) {
    text = newText;
    length = newLength;
    searchStart = start;
    position = start;
    recursionDepth = 100;
    captures.assign(static_cast<size_t>(2 * (groupCount + 1)), -1);
    stack.clear();
    mStepsLeft = std::max(mStepLimit, 32LL * newLength);
}

void CContext::resetAttempt(int start) {
    position = start;
    recursionDepth = 100;
    std::fill(captures.begin(), captures.end(), -1);
    stack.clear();
}

void CContext::pushCaptures() {
    stack.insert(stack.end(), captures.begin(), captures.end());
}

void CContext::popCaptures() {
    size_t count = captures.size();
    if (stack.size() < count) return;
    std::copy(stack.end() - static_cast<long>(count), stack.end(), captures.begin());
    stack.resize(stack.size() - count);
}
