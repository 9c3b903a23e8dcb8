#pragma once
// The system's regular-expression engine over UTF-16 text: a backtracking matcher with
// groups, named groups, back references, look-around, conditionals, recursion and
// greedy, reluctant and possessive quantifiers. A compiled pattern is shared read-only;
// every search uses its own context (or the one the caller passes in).
#include "foundation/regex/MatchResult.h"
#include "foundation/regex/RegexBuilder.h"

#include <string>

template <class CharT> class CRegexpT;

template <> class CRegexpT<wchar_t> {
public:
    explicit CRegexpT(const wchar_t* pattern = nullptr, int flags = NO_FLAG) { compile(pattern, flags); }
    explicit CRegexpT(const std::wstring& pattern, int flags = NO_FLAG) { compile(pattern, flags); }
    CRegexpT(const CRegexpT&) = delete;
    CRegexpT& operator=(const CRegexpT&) = delete;

    // Every pattern compiles; malformed parts are read as literals.
    void compile(const wchar_t* pattern, int flags = NO_FLAG);
    void compile(const std::wstring& pattern, int flags = NO_FLAG) { compile(pattern.c_str(), flags); }

    // Searches from start (negative: the text's start, or its end under RIGHTTOLEFT).
    MatchResultT match(const wchar_t* text, int start = -1, CContext* context = nullptr) const;
    MatchResultT match(const std::wstring& text, int start = -1, CContext* context = nullptr) const {
        return match(text.c_str(), static_cast<int>(text.size()), start, context);
    }
    MatchResultT match(const wchar_t* text, int length, int start, CContext* context) const;

    // Replaces up to count matches (-1: all) from start with the expanded replacement;
    // lastMatch receives the last match replaced (unmatched when none).
    std::wstring replace(const std::wstring& text, const std::wstring& replacement, int start = -1, int count = -1,
                         MatchResultT* lastMatch = nullptr, CContext* context = nullptr) const;
    // The replacement with its "$" references expanded for one match of text.
    std::wstring replaceText(const std::wstring& text, const std::wstring& replacement, const MatchResultT& match) const;

    int getNamedGroupNumber(const std::wstring& name) const { return mBuilder.groupNumber(name); }
    int groupCount() const { return mBuilder.groupCount(); }
    int flags() const { return mBuilder.flags(); }

private:
    struct Piece;
    std::vector<Piece> splitReplacement(const std::wstring& replacement) const;
    void expand(std::wstring& out, const std::vector<Piece>& pieces, const std::wstring& text,
                const MatchResultT& match) const;
    MatchResultT resultOf(const CContext& context, int start, int end) const;

    CBuilderT<wchar_t> mBuilder;
};

using CRegexp = CRegexpT<wchar_t>;
