#include "foundation/regex/RepeatElements.h"

CRepeatBaseElxT::CRepeatBaseElxT(const ElxInterface* inner, int minimum, int maximum, bool rightToLeft)
    : mInner(inner), mClass(dynamic_cast<const CCharClassElxT*>(inner)), mMin(minimum), mMax(maximum),
      mRightToLeft(rightToLeft), mWidth(inner->simpleWidth()) {
    if (mWidth < 1) mWidth = 0;
}

int CRepeatBaseElxT::takeSimple(CContext& context, int limit) const {
    int count = 0;
    if (mClass == nullptr) {
        while (count < limit && mInner->match(context)) ++count;
        return count;
    }
    // A character class: one test per character, without a call through the element.
    const wchar_t* text = context.text.getBuffer();
    int p = context.position;
    if (mClass->rightToLeft()) {
        while (count < limit && p > 0 && mClass->test(text[p - 1])) {
            --p;
            ++count;
        }
    } else {
        int n = context.length();
        while (count < limit && p < n && mClass->test(text[p])) {
            ++p;
            ++count;
        }
    }
    context.position = p;
    return count;
}

bool CRepeatBaseElxT::collectFirstChars(FirstChars& first) const {
    bool innerCanBeEmpty = mInner->collectFirstChars(first);
    return innerCanBeEmpty || mMin == 0;
}

// Greedy: take repetitions while possible, then stop; on backtracking try the last
// repetition's next match first, then give that repetition back.
bool CGreedyElxT::descend(CContext& context, int& count) const {
    for (;;) {
        while (count < mMax && !lastWasEmpty(context, count)) {
            context.step();
            int start = context.position;
            if (!mInner->match(context)) break;
            context.push(start);
            ++count;
        }
        if (count >= mMin || lastWasEmpty(context, count)) return true;
        Retreat next = retreat(context, count);
        if (next == Fail) return false;
        if (next == Stop) return true;
    }
}

CGreedyElxT::Retreat CGreedyElxT::retreat(CContext& context, int& count) const {
    while (count > 0) {
        context.step();
        int start = context.pop();
        if (mInner->matchNext(context)) {
            context.push(start);
            return Resume;
        }
        --count;
        if (count >= mMin) return Stop;
    }
    return Fail;
}

bool CGreedyElxT::match(CContext& context) const {
    if (mWidth > 0) {
        int start = context.position;
        int count = takeSimple(context, mMax);
        if (count < mMin) {
            context.position = start;
            return false;
        }
        context.push(start);
        context.push(count);
        return true;
    }
    int count = 0;
    if (!descend(context, count)) return false;
    context.push(count);
    return true;
}

bool CGreedyElxT::matchNext(CContext& context) const {
    if (mWidth > 0) {
        int count = context.pop();
        int start = context.pop();
        if (count <= mMin || mNoGiveBack) {
            context.position = start;
            return false;
        }
        --count;
        context.position = positionAfter(start, count);
        context.push(start);
        context.push(count);
        return true;
    }
    int count = context.pop();
    Retreat next = retreat(context, count);
    if (next == Fail) return false;
    if (next == Resume && !descend(context, count)) return false;
    context.push(count);
    return true;
}

// Reluctant: stop as soon as the minimum is met; on backtracking take one more
// repetition, and when none can be added try the last repetition's next match.
bool CReluctantElxT::settle(CContext& context, int& count) const {
    for (;;) {
        if (count >= mMin || lastWasEmpty(context, count)) return true;
        context.step();
        int start = context.position;
        if (count < mMax && mInner->match(context)) {
            context.push(start);
            ++count;
            continue;
        }
        if (!retreat(context, count)) return false;
    }
}

bool CReluctantElxT::retreat(CContext& context, int& count) const {
    while (count > 0) {
        context.step();
        int start = context.pop();
        if (mInner->matchNext(context)) {
            context.push(start);
            return true;
        }
        --count;
    }
    return false;
}

bool CReluctantElxT::match(CContext& context) const {
    if (mWidth > 0) {
        int start = context.position;
        int count = takeSimple(context, mMin);
        if (count < mMin) {
            context.position = start;
            return false;
        }
        while (!followerMayBegin(context)) {
            if (count >= mMax || !mInner->match(context)) {
                context.position = start;
                return false;
            }
            ++count;
        }
        context.push(start);
        context.push(count);
        return true;
    }
    int count = 0;
    if (!settle(context, count)) return false;
    context.push(count);
    return true;
}

bool CReluctantElxT::matchNext(CContext& context) const {
    if (mWidth > 0) {
        int count = context.pop();
        int start = context.pop();
        context.position = positionAfter(start, count);
        while (count < mMax && mInner->match(context)) {
            ++count;
            if (!followerMayBegin(context)) continue;
            context.push(start);
            context.push(count);
            return true;
        }
        context.position = start;
        return false;
    }
    int count = context.pop();
    if (count < mMax && !lastWasEmpty(context, count)) {
        context.step();
        int start = context.position;
        if (mInner->match(context)) {
            context.push(start);
            context.push(count + 1);
            return true;
        }
    }
    if (!retreat(context, count) || !settle(context, count)) return false;
    context.push(count);
    return true;
}
