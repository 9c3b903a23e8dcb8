#include "foundation/regex/StructureElements.h"

CListElxT::CListElxT(std::vector<const ElxInterface*> items, bool rightToLeft)
    : mItems(std::move(items)), mOrder(mItems.rbegin(), mItems.rend()), mRightToLeft(rightToLeft) {
    if (!mRightToLeft) mOrder = mItems;
    for (const ElxInterface* element : mItems) {
        int width = element->simpleWidth();
        if (width < 0 || mSimpleWidth < 0) {
            mSimpleWidth = -1;
        } else {
            mSimpleWidth += width;
        }
    }
}

// Matches items i.. in order; on a failure backtracks into the latest item that has
// another match. Answers false with every frame of this list popped.
bool CListElxT::runFrom(CContext& context, int i) const {
    const ElxInterface* const* item = mOrder.data();
    int count = static_cast<int>(mOrder.size());
    while (i < count) {
        context.step();
        if (item[i]->match(context)) {
            ++i;
            continue;
        }
        for (;;) {
            if (i == 0) return false;
            --i;
            context.step();
            if (item[i]->matchNext(context)) {
                ++i;
                break;
            }
        }
    }
    return true;
}

bool CListElxT::match(CContext& context) const {
    return runFrom(context, 0);
}

bool CListElxT::matchNext(CContext& context) const {
    for (int i = static_cast<int>(mOrder.size()) - 1; i >= 0; --i) {
        context.step();
        if (mOrder[static_cast<size_t>(i)]->matchNext(context)) return runFrom(context, i + 1);
    }
    return false;
}

bool CListElxT::collectFirstChars(FirstChars& first) const {
    if (mRightToLeft) {
        first.any = true;
        return true;
    }
    for (const ElxInterface* element : mItems) {
        if (!element->collectFirstChars(first)) return false;
    }
    return true;
}

bool CAlternativeElxT::matchFrom(CContext& context, size_t branch) const {
    int p = context.position;
    int c = p >= 0 && p < context.length() ? context.text[p] : -1;
    for (; branch < mBranches.size(); ++branch) {
        if (!mFilters.empty() && !mFilters[branch].mayBegin(c)) continue;
        context.step();
        if (mBranches[branch]->match(context)) {
            context.push(static_cast<int>(branch));
            return true;
        }
    }
    return false;
}

bool CAlternativeElxT::match(CContext& context) const {
    return matchFrom(context, 0);
}

bool CAlternativeElxT::matchNext(CContext& context) const {
    size_t branch = static_cast<size_t>(context.pop());
    if (branch >= mBranches.size()) return false;
    if (mBranches[branch]->matchNext(context)) {
        context.push(static_cast<int>(branch));
        return true;
    }
    return matchFrom(context, branch + 1);
}

void CAlternativeElxT::prepareFilters() {
    mFilters.clear();
    for (const ElxInterface* branch : mBranches) mFilters.emplace_back(*branch);
}

bool CAlternativeElxT::collectFirstChars(FirstChars& first) const {
    bool canBeEmpty = false;
    for (const ElxInterface* branch : mBranches) {
        if (branch->collectFirstChars(first)) canBeEmpty = true;
    }
    return canBeEmpty;
}

void CBracketElxT::open(CContext& context, int entry) const {
    int index = 2 * mNumber;
    context.captures[index + (mRightToLeft ? 1 : 0)] = entry;
    context.captures[index + (mRightToLeft ? 0 : 1)] = -1;
}

void CBracketElxT::close(CContext& context, int entry) const {
    int index = 2 * mNumber;
    context.captures[index + (mRightToLeft ? 1 : 0)] = entry;
    context.captures[index + (mRightToLeft ? 0 : 1)] = context.position;
}

// The frame goes on top of the content's frame: old start, old end, entry position.
bool CBracketElxT::match(CContext& context) const {
    int index = 2 * mNumber;
    int oldStart = context.captures[index];
    int oldEnd = context.captures[index + 1];
    int entry = context.position;
    open(context, entry);
    if (!mContent->match(context)) {
        context.captures[index] = oldStart;
        context.captures[index + 1] = oldEnd;
        return false;
    }
    close(context, entry);
    context.push(oldStart);
    context.push(oldEnd);
    context.push(entry);
    return true;
}

bool CBracketElxT::matchNext(CContext& context) const {
    int index = 2 * mNumber;
    int entry = context.pop();
    int oldEnd = context.pop();
    int oldStart = context.pop();
    open(context, entry);
    if (mContent->matchNext(context)) {
        close(context, entry);
        context.push(oldStart);
        context.push(oldEnd);
        context.push(entry);
        return true;
    }
    context.captures[index] = oldStart;
    context.captures[index + 1] = oldEnd;
    return false;
}

bool CIndependentElxT::match(CContext& context) const {
    int start = context.position;
    context.pushCaptures();
    int base = context.stack.getSize();
    if (!mContent->match(context)) {
        context.popCaptures();
        return false;
    }
    context.stack.resize(base);
    context.push(start);
    return true;
}

bool CIndependentElxT::matchNext(CContext& context) const {
    context.position = context.pop();
    context.popCaptures();
    return false;
}

bool CAssertElxT::match(CContext& context) const {
    int start = context.position;
    context.pushCaptures();
    int base = context.stack.getSize();
    bool matched = mContent->match(context);
    context.stack.resize(base);
    context.position = start;
    if (matched == mNegative) {
        context.popCaptures();
        return false;
    }
    context.push(start);
    return true;
}

bool CAssertElxT::matchNext(CContext& context) const {
    context.position = context.pop();
    context.popCaptures();
    return false;
}

namespace {
enum ConditionBranch { YesByGroup = 0, No = 1, YesByAssertion = 2 };
}

bool CConditionElxT::match(CContext& context) const {
    bool yes = false;
    int tag = No;
    if (mAssertion != nullptr) {
        yes = mAssertion->match(context);
        tag = yes ? YesByAssertion : No;
    } else if (mGroup >= 0 && 2 * mGroup + 1 < context.captures.getSize()) {
        yes = context.captures[2 * mGroup] >= 0 && context.captures[2 * mGroup + 1] >= 0;
        tag = yes ? YesByGroup : No;
    }
    const ElxInterface* branch = yes ? mYes : mNo;
    if (branch->match(context)) {
        context.push(tag);
        return true;
    }
    if (tag == YesByAssertion) mAssertion->matchNext(context);
    return false;
}

bool CConditionElxT::matchNext(CContext& context) const {
    int tag = context.pop();
    const ElxInterface* branch = tag == No ? mNo : mYes;
    if (branch->matchNext(context)) {
        context.push(tag);
        return true;
    }
    if (tag == YesByAssertion) mAssertion->matchNext(context);
    return false;
}

bool CDelegateElxT::match(CContext& context) const {
    if (mTarget == nullptr || context.recursionDepth <= 0) return false;
    --context.recursionDepth;
    bool matched = mTarget->match(context);
    ++context.recursionDepth;
    return matched;
}

bool CDelegateElxT::matchNext(CContext& context) const {
    if (mTarget == nullptr) return false;
    --context.recursionDepth;
    bool matched = mTarget->matchNext(context);
    ++context.recursionDepth;
    return matched;
}
