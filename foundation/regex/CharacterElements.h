#pragma once
// Elements that test characters at one place: literals, sets, classes, anchors and
// back references. None of them can match in more than one way.
#include "foundation/regex/RegexElement.h"
#include "foundation/regex/SortedBuffer.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class CEmptyElxT : public ElxInterface {
public:
    bool match(CContext&) const override { return true; }
    bool matchNext(CContext&) const override { return false; }
    int simpleWidth() const override { return 0; }
    bool collectFirstChars(FirstChars&) const override { return true; }
};

class CStringElxT : public ElxInterface {
public:
    CStringElxT(std::wstring text, bool rightToLeft, bool ignoreCase);
    bool match(CContext& context) const override;
    bool matchNext(CContext& context) const override;
    int simpleWidth() const override { return static_cast<int>(mText.size()); }
    bool collectFirstChars(FirstChars& first) const override;
    const std::wstring& text() const { return mText; }
    bool ignoresCase() const { return mIgnoreCase; }
    bool rightToLeft() const { return mRightToLeft; }
    // Whether the run (left to right) stands in text at p, without touching a context.
    bool standsAt(const wchar_t* text, int length, int p) const {
        return p >= 0 && static_cast<int>(mText.size()) <= length - p && sameAt(text + p);
    }

private:
    bool sameAt(const wchar_t* text) const;
    std::wstring mText;
    std::wstring mFolded;  // the text folded with toUpperChar, under IGNORECASE
    const wchar_t* mUpper;  // the case table's upper-case mapping
    bool mRightToLeft;
    bool mIgnoreCase;
};

// One character tested against a class; the base of sets and POSIX classes.
class CCharClassElxT : public ElxInterface {
public:
    explicit CCharClassElxT(bool rightToLeft) : mRightToLeft(rightToLeft) {}
    virtual bool contains(int c) const = 0;
    bool match(CContext& context) const override;
    bool matchNext(CContext& context) const override;
    int simpleWidth() const override { return 1; }
    bool collectFirstChars(FirstChars& first) const override;
    // Adds the characters of the class; false when that is not practical (negated sets).
    virtual bool addChars(FirstChars&) const { return false; }
    bool rightToLeft() const { return mRightToLeft; }

    // Keeps the answers of `contains` for 0..255, and for all characters above when they
    // answer alike, in a table: the per-character test of the matcher's loops. The
    // builder calls it once the class is complete.
    void prepareTable();
    // contains(c) through that table.
    bool test(int c) const {
        if (static_cast<unsigned>(c) < 256u) return ((mLatin[c >> 5] >> (c & 31)) & 1u) != 0;
        return mHigh >= 0 ? mHigh != 0 : contains(c);
    }
    // 1 when every character above 255 is in the class, 0 when none is, else -1.
    virtual int highAnswer() const { return -1; }

private:
    bool mRightToLeft;
    uint32_t mLatin[8] = {};
    int mHigh = -1;
};

class CRangeElxT : public CCharClassElxT {
public:
    CRangeElxT(bool rightToLeft, bool negated) : CCharClassElxT(rightToLeft), mNegated(negated) {}
    // A range of one character is kept with the single characters.
    void addRange(int low, int high);
    void addChar(int c) { mChars.addUnique(c); }
    void addClass(const CCharClassElxT* embedded) { mClasses.push_back(embedded); }
    // Under IGNORECASE: adds the other case of every letter the set holds (Latin-1).
    void widenCase();
    bool contains(int c) const override;
    bool addChars(FirstChars& first) const override;
    int highAnswer() const override;

private:
    bool holds(int c) const;
    bool inRanges(int c) const;
    bool mNegated;
    CSortedBufferT<int> mChars;
    std::vector<std::pair<int, int>> mRanges;
    std::vector<const CCharClassElxT*> mClasses;
};

class CPosixElxT : public CCharClassElxT {
public:
    // Known names: alnum alpha ascii cntrl digit graph lower print punct space upper xdigit blank.
    static int kindOf(const std::wstring& name);
    CPosixElxT(int kind, bool negated, bool rightToLeft)
        : CCharClassElxT(rightToLeft), mKind(kind), mNegated(negated) {}
    bool contains(int c) const override;
    int highAnswer() const override;

private:
    int mKind;
    bool mNegated;
};

class CBoundaryElxT : public ElxInterface {
public:
    enum Kind { TextStart, TextEnd, TextEndOrFinalLineBreak, LineStart, LineEnd, WordBoundary, NotWordBoundary };
    explicit CBoundaryElxT(Kind kind) : mKind(kind) {}
    bool match(CContext& context) const override;
    bool matchNext(CContext&) const override { return false; }
    int simpleWidth() const override { return 0; }
    bool collectFirstChars(FirstChars&) const override { return true; }

private:
    Kind mKind;
};

// \G under GLOBAL: the position where the current search began.
class CGlobalElxT : public ElxInterface {
public:
    bool match(CContext& context) const override { return context.position == context.searchStart; }
    bool matchNext(CContext&) const override { return false; }
    int simpleWidth() const override { return 0; }
    bool collectFirstChars(FirstChars&) const override { return true; }
};

class CBackrefElxT : public ElxInterface {
public:
    CBackrefElxT(bool rightToLeft, bool ignoreCase) : mRightToLeft(rightToLeft), mIgnoreCase(ignoreCase) {}
    // Group number, or -1 when the reference names no group (then it never matches).
    void setGroup(int group) { mGroup = group; }
    bool match(CContext& context) const override;
    bool matchNext(CContext& context) const override;

private:
    int mGroup = -1;
    bool mRightToLeft;
    bool mIgnoreCase;
};
