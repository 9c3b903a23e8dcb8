#pragma once
// Lexer and parser of patterns: builds the element tree of a compiled pattern and owns
// every element in it. Building never fails: malformed input is read in a fixed way (an
// unmatched special character is a literal), so every pattern gives a usable tree.
#include "foundation/regex/CharacterElements.h"
#include "foundation/regex/RegexLexer.h"
#include "foundation/regex/RepeatElements.h"
#include "foundation/regex/SortedBuffer.h"
#include "foundation/regex/StructureElements.h"

#include <memory>
#include <string>
#include <vector>

enum RegexFlags {
    NO_FLAG = 0,
    SINGLELINE = 1,
    MULTILINE = 2,
    GLOBAL = 4,
    IGNORECASE = 8,
    RIGHTTOLEFT = 16,
    EXTENDED = 32,
};

template <class CharT> class CBuilderT;

template <> class CBuilderT<wchar_t> {
public:
    CBuilderT() = default;
    CBuilderT(const CBuilderT&) = delete;
    CBuilderT& operator=(const CBuilderT&) = delete;
    ~CBuilderT() { clear(); }

    void build(const std::wstring& pattern, int flags);
    void clear();

    const ElxInterface* root() const { return mRoot; }
    int flags() const { return mFlags; }
    int groupCount() const { return mGroupCount; }
    // The number of a named group (names compare without case), or -1.
    int groupNumber(const std::wstring& name) const;
    // Characters at which a match can begin, or null when any position may match.
    const FirstChars* firstChars() const { return mFirstChars.get(); }
    // A pattern that begins with a greedy ".*": when it fails at a position, it fails at
    // every later one up to the next line feed (or, under SINGLELINE, everywhere).
    enum LeadingDotStar { NoDotStar, DotStarToLineEnd, DotStarToTextEnd };
    LeadingDotStar leadingDotStar() const { return mLeadingDotStar; }
    // A zero-width test every match must pass at its start ("^", \b ... first in the
    // pattern), or null: the search checks it before running the pattern.
    const ElxInterface* leadingTest() const { return mLeadingTest; }
    // A literal run every match begins with, or null: the search compares it before
    // running the pattern.
    const CStringElxT* leadingText() const { return mLeadingText; }

    template <class T, class... Args> T* keep(Args&&... args) {
        T* element = new T(std::forward<Args>(args)...);
        mElements.push_back(element);
        return element;
    }
    // Shared elements: 0 empty; 1-2 "." (left to right, right to left); 3-4 "." under
    // SINGLELINE; 5-10 \w \W \s \S \d \D left to right; 11-16 the same right to left.
    const ElxInterface* getStockElement(int index);

private:
    struct Atom {
        const ElxInterface* element = nullptr;
        int literal = -1;
    };
    struct Reference {  // a back reference, recursion or condition resolved after the parse
        ElxInterface* element;
        int kind;       // 0 back reference, 1 recursion, 2 condition
        int number;     // -1 when by name
        std::wstring name;
    };
    struct Saved {
        RegexLexer::State lexer;
        int numbered;
        size_t named;
        size_t references;
    };

    const ElxInterface* parseAlternation(int& flags, int depth);
    const ElxInterface* parseSequence(int& flags, int depth);
    Atom parseAtom(const RegexToken& token, int& flags, int depth);
    Atom parseEscape(const RegexToken& token, int flags);
    const ElxInterface* parseGroup(int openPos, int& flags, int depth);
    const ElxInterface* parseGroupBody(int& flags, int depth);
    const ElxInterface* parseCondition(int flags, int depth);
    const ElxInterface* parseSet(int flags);
    bool readQuantifier(int& minimum, int& maximum, bool consume);
    const ElxInterface* applyQuantifiers(const ElxInterface* atom, int flags);
    const ElxInterface* makeString(const std::wstring& text, int flags);
    const ElxInterface* stockClass(int letter, bool rightToLeft);
    bool readName(int& pos, std::wstring& name) const;
    Saved save() const;
    void restore(const Saved& saved);
    void resolve();
    void findLeadingDotStar();
    void prepareElements();
    void stopNeedlessGiveBacks();

    std::vector<ElxInterface*> mElements;
    const ElxInterface* mStock[17] = {};
    const ElxInterface* mRoot = nullptr;
    int mFlags = 0;
    int mGroupCount = 0;
    std::unique_ptr<FirstChars> mFirstChars;
    LeadingDotStar mLeadingDotStar = NoDotStar;
    const ElxInterface* mLeadingTest = nullptr;
    const CStringElxT* mLeadingText = nullptr;
    std::vector<std::pair<std::wstring, int>> mGroupNames;

    // Parse state.
    std::unique_ptr<RegexLexer> mLexer;
    std::vector<CBracketElxT*> mNumbered;  // index = number - 1
    std::vector<std::pair<std::wstring, CBracketElxT*>> mNamed;
    std::vector<Reference> mReferences;
    CSortedBufferT<int> mUnclosedGroups;  // pattern positions of "(" known to have no ")"
};
