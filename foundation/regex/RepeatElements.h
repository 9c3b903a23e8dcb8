#pragma once
// Quantified elements. Each repetition leaves the inner element's frame and the position
// where it began on the stack; a repetition of a simple fixed-width element leaves
// nothing, so "x*" over a long text keeps a frame of two ints. A repetition that consumed
// nothing ends the repeat (and counts as meeting its minimum), so "(a*)*" cannot loop.
#include "foundation/regex/CharacterElements.h"
#include "foundation/regex/StructureElements.h"

class CRepeatBaseElxT : public ElxInterface {
public:
    static constexpr int kUnbounded = 2147483647;
    CRepeatBaseElxT(const ElxInterface* inner, int minimum, int maximum, bool rightToLeft);
    bool collectFirstChars(FirstChars& first) const override;
    const ElxInterface* inner() const { return mInner; }
    int minimum() const { return mMin; }
    int maximum() const { return mMax; }
    bool rightToLeft() const { return mRightToLeft; }

protected:
    bool lastWasEmpty(const CContext& context, int count) const {
        return count > 0 && !context.stack.isEmpty() && context.stack.back() == context.position;
    }
    int positionAfter(int start, int count) const {
        return mRightToLeft ? start - count * mWidth : start + count * mWidth;
    }
    // Takes up to limit repetitions of the simple inner element, moving the position
    // past them; answers how many it took.
    int takeSimple(CContext& context, int limit) const;
    const ElxInterface* mInner;
    const CCharClassElxT* mClass;  // the inner element when it is a character class
    int mMin;
    int mMax;
    bool mRightToLeft;
    int mWidth;  // > 0 when the inner element is simple: the fast paths apply
};

class CGreedyElxT : public CRepeatBaseElxT {
public:
    using CRepeatBaseElxT::CRepeatBaseElxT;
    bool match(CContext& context) const override;
    bool matchNext(CContext& context) const override;
    // Set by the builder when what follows the repeat can never begin where a repetition
    // begins: giving back a repetition could then never lead to a match, so backtracking
    // into the repeat fails at once.
    void setNoGiveBack() { mNoGiveBack = mWidth > 0; }

private:
    bool mNoGiveBack = false;
    enum Retreat { Fail, Resume, Stop };
    bool descend(CContext& context, int& count) const;
    Retreat retreat(CContext& context, int& count) const;
};

// "{n}": exactly n repetitions.
class CRepeatElxT : public CGreedyElxT {
public:
    CRepeatElxT(const ElxInterface* inner, int count, bool rightToLeft) : CGreedyElxT(inner, count, count, rightToLeft) {}
};

class CReluctantElxT : public CRepeatBaseElxT {
public:
    using CRepeatBaseElxT::CRepeatBaseElxT;
    bool match(CContext& context) const override;
    bool matchNext(CContext& context) const override;
    // Set by the builder to what follows the repeat in a left-to-right sequence: the
    // repeat then stops only where the follower can begin, as a stop anywhere else
    // would fail there and ask for one more repetition anyway.
    void setFollower(const StartFilter& follower) {
        if (mWidth > 0) mFollower = follower;
    }

private:
    bool followerMayBegin(const CContext& context) const {
        int p = context.position;
        return mFollower.mayBegin(p < context.length() ? context.text[p] : -1);
    }
    StartFilter mFollower;
    bool settle(CContext& context, int& count) const;
    bool retreat(CContext& context, int& count) const;
};

// A greedy repeat that never gives back what it took.
class CPossessiveElxT : public CIndependentElxT {
public:
    explicit CPossessiveElxT(const CGreedyElxT* greedy) : CIndependentElxT(greedy) {}
};
