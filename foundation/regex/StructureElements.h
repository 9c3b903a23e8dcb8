#pragma once
// Elements that combine other elements: sequences, alternatives, groups, atomic groups,
// look-around, conditionals and recursion.
#include "foundation/regex/RegexElement.h"
#include "foundation/regex/StartFilter.h"

#include <vector>

class CListElxT : public ElxInterface {
public:
    CListElxT(std::vector<const ElxInterface*> items, bool rightToLeft);
    bool match(CContext& context) const override;
    bool matchNext(CContext& context) const override;
    int simpleWidth() const override { return mSimpleWidth; }
    bool collectFirstChars(FirstChars& first) const override;
    const std::vector<const ElxInterface*>& items() const { return mItems; }
    bool rightToLeft() const { return mRightToLeft; }

private:
    bool runFrom(CContext& context, int i) const;
    std::vector<const ElxInterface*> mItems;
    std::vector<const ElxInterface*> mOrder;  // the items in matching order
    bool mRightToLeft;
    int mSimpleWidth = 0;
};

class CAlternativeElxT : public ElxInterface {
public:
    explicit CAlternativeElxT(std::vector<const ElxInterface*> branches) : mBranches(std::move(branches)) {}
    bool match(CContext& context) const override;
    bool matchNext(CContext& context) const override;
    bool collectFirstChars(FirstChars& first) const override;
    // Notes for each branch the characters it can begin with, so that the match skips
    // branches that cannot begin at the position. The builder calls it once the tree is
    // complete.
    void prepareFilters();

private:
    bool matchFrom(CContext& context, size_t branch) const;
    std::vector<const ElxInterface*> mBranches;
    std::vector<StartFilter> mFilters;  // one a branch, or none
};

// A capturing group: records where its content matched, restoring the old capture when
// backtracked. While the content runs, the side where it began is recorded and the
// other side is -1 (an open group).
class CBracketElxT : public ElxInterface {
public:
    CBracketElxT(int number, bool rightToLeft) : mNumber(number), mRightToLeft(rightToLeft) {}
    void setContent(const ElxInterface* content) { mContent = content; }
    void setNumber(int number) { mNumber = number; }
    int number() const { return mNumber; }
    const ElxInterface* content() const { return mContent; }
    bool match(CContext& context) const override;
    bool matchNext(CContext& context) const override;
    bool collectFirstChars(FirstChars& first) const override { return mContent->collectFirstChars(first); }

private:
    void open(CContext& context, int entry) const;
    void close(CContext& context, int entry) const;
    int mNumber;
    bool mRightToLeft;
    const ElxInterface* mContent = nullptr;
};

// "(?>...)": the first match of its content only. Its frame is a snapshot of the captures
// and the start position, so backtracking past it restores everything its content set.
class CIndependentElxT : public ElxInterface {
public:
    explicit CIndependentElxT(const ElxInterface* content) : mContent(content) {}
    bool match(CContext& context) const override;
    bool matchNext(CContext& context) const override;
    bool collectFirstChars(FirstChars& first) const override { return mContent->collectFirstChars(first); }

private:
    const ElxInterface* mContent;
};

// Look-ahead and look-behind (whose content is built right to left); zero width.
class CAssertElxT : public ElxInterface {
public:
    CAssertElxT(const ElxInterface* content, bool negative) : mContent(content), mNegative(negative) {}
    bool match(CContext& context) const override;
    bool matchNext(CContext& context) const override;
    bool collectFirstChars(FirstChars&) const override { return true; }

private:
    const ElxInterface* mContent;
    bool mNegative;
};

class CConditionElxT : public ElxInterface {
public:
    CConditionElxT(const ElxInterface* yes, const ElxInterface* no) : mYes(yes), mNo(no) {}
    void setGroup(int group) { mGroup = group; }
    void setAssertion(const ElxInterface* assertion) { mAssertion = assertion; }
    bool match(CContext& context) const override;
    bool matchNext(CContext& context) const override;

private:
    const ElxInterface* mYes;
    const ElxInterface* mNo;
    const ElxInterface* mAssertion = nullptr;
    int mGroup = -1;
};

// Recursion into the whole pattern or one group; at most 100 levels open at once.
class CDelegateElxT : public ElxInterface {
public:
    void setTarget(const ElxInterface* target) { mTarget = target; }
    bool match(CContext& context) const override;
    bool matchNext(CContext& context) const override;

private:
    const ElxInterface* mTarget = nullptr;
};
