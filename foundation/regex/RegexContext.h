#pragma once
#include "foundation/regex/Buffer.h"

// Thrown inside the engine when a search has used up its step budget; the search
// entry points catch it and report no match, so a pathological pattern ends in
// bounded time instead of hanging the caller.
struct RegexStepLimitReached {};

// The state of one match: the text, the position, the captures and one int stack on
// which every element keeps what it needs to backtrack. Elements push a frame after a
// successful match and pop it in matchNext, so C++ recursion follows the nesting of the
// pattern only, never the length of the text.
class CContext {
public:
    static constexpr long long kDefaultStepLimit = 100000000LL;

    CBufferRefT<wchar_t> text;
    int position = 0;
    int searchStart = 0;
    int recursionDepth = 100;
    CBufferT<int> captures;   // start, end for groups 0..n; an open group has one side -1
    CBufferT<int> stack;

    // Steps allowed per search call; at least a fixed number, more for long texts.
    void setStepLimit(long long limit) { mStepLimit = limit; }
    long long stepLimit() const { return mStepLimit; }

    void prepare(const wchar_t* text, int length, int groupCount, int searchStart);
    // Runs once per start position tried, so it stays inline.
    void resetAttempt(int start) {
        position = start;
        recursionDepth = 100;
        captures.fill(-1);
        stack.clear();
    }

    void push(int value) { stack.push(value); }
    int pop() { return stack.pop(0); }
    // One unit of work; throws RegexStepLimitReached when the budget is gone.
    void step() {
        if (--mStepsLeft < 0) throw RegexStepLimitReached();
    }

    int length() const { return text.getSize(); }
    int charAt(int index) const { return (index >= 0 && index < text.getSize()) ? text[index] : -1; }

    // Saves all captures on the stack / restores them from it (element snapshots).
    void pushCaptures();
    void popCaptures();

private:
    long long mStepLimit = kDefaultStepLimit;
    long long mStepsLeft = kDefaultStepLimit;
};
