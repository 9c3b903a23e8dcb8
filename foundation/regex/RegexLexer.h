#pragma once
#include <string>

// One token of a pattern: a character (ch) that is either a literal or a special mark,
// where it began and how long it was. ch is -1 at the end of the pattern.
struct RegexToken {
    int ch = -1;
    bool special = false;
    int pos = 0;
    int len = 0;
    bool atEnd() const { return ch < 0; }
    bool is(int c) const { return special && ch == c; }
    bool isLiteral() const { return !special && ch >= 0; }
};

// Reads tokens from a pattern. Inside a set fewer characters are special; \Q, \L and \U
// start quoted runs that end at \E; under EXTENDED blanks and "#" comments outside sets
// give no token.
class RegexLexer {
public:
    struct State {
        int pos;
        int quote;
    };
    RegexLexer(const std::wstring& pattern, bool extended) : mPattern(pattern), mExtended(extended) {}

    RegexToken next(bool inSet);
    RegexToken peek(bool inSet) const {
        RegexLexer copy = *this;
        return copy.next(inSet);
    }
    State save() const { return State{mPos, mQuote}; }
    void restore(State state) {
        mPos = state.pos;
        mQuote = state.quote;
    }
    int position() const { return mPos; }
    void setPosition(int pos) { mPos = pos; }
    int raw(int index) const {
        return (index >= 0 && index < static_cast<int>(mPattern.size())) ? mPattern[static_cast<size_t>(index)] : -1;
    }
    int length() const { return static_cast<int>(mPattern.size()); }

private:
    bool readEscape(bool inSet, RegexToken& token);
    int readHex(int from, int maxDigits, int& digits) const;

    const std::wstring& mPattern;
    bool mExtended;
    int mPos = 0;
    int mQuote = 0;  // 0, or 'Q', 'L', 'U' inside a quoted run
};
