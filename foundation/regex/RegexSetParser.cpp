// The set syntax of the pattern parser: "[" ... "]" with ranges, classes and POSIX names.
#include "foundation/regex/RegexBuilder.h"

#include "foundation/regex/RegexParserHelpers.h"

using namespace regexbuild;

// After "[": the items up to "]". An unclosed set gives null (the "[" is then a literal).
const ElxInterface* CBuilderT<wchar_t>::parseSet(int flags) {
    RegexLexer::State saved = mLexer->save();
    bool rightToLeft = (flags & RIGHTTOLEFT) != 0;
    bool negated = false;
    if (mLexer->raw(mLexer->position()) == '^') {
        negated = true;
        mLexer->setPosition(mLexer->position() + 1);
    }
    CRangeElxT* set = keep<CRangeElxT>(rightToLeft, negated);
    for (;;) {
        RegexToken token = mLexer->next(true);
        if (token.atEnd()) {
            mLexer->restore(saved);
            return nullptr;
        }
        if (token.is(']')) break;
        int c = token.ch;
        bool escape = token.special && mLexer->raw(token.pos) == '\\';
        if (token.is('[') && !escape) {
            int q = token.pos + 2;
            bool negatedClass = mLexer->raw(q) == '^';
            if (negatedClass) ++q;
            std::wstring name;
            while ((mLexer->raw(q) >= 'a' && mLexer->raw(q) <= 'z')) name += static_cast<wchar_t>(mLexer->raw(q++));
            int kind = CPosixElxT::kindOf(name);
            if (kind >= 0 && mLexer->raw(q) == ':' && mLexer->raw(q + 1) == ']') {
                set->addClass(keep<CPosixElxT>(kind, negatedClass, rightToLeft));
                mLexer->setPosition(q + 2);
                continue;
            }
            mLexer->setPosition(token.pos + 1);  // not a POSIX class: "[" is a literal
        } else if (escape && isClassLetter(c)) {
            set->addClass(static_cast<const CRangeElxT*>(stockClass(c, rightToLeft)));
            // A "-" after a class cannot start a range: it is a literal.
            if (mLexer->peek(true).is('-')) {
                mLexer->next(true);
                set->addRange('-', '-');
            }
            continue;
        } else if (token.is('-')) {
            set->addRange('-', '-');
            continue;
        }
        RegexLexer::State before = mLexer->save();
        if (mLexer->next(true).is('-')) {
            RegexToken last = mLexer->next(true);
            bool lastEscape = last.special && mLexer->raw(last.pos) == '\\';
            if (last.isLiteral() || (lastEscape && !isClassLetter(last.ch))) {
                int low = c < last.ch ? c : last.ch;
                int high = c < last.ch ? last.ch : c;
                set->addRange(low, high);
                continue;
            }
        }
        mLexer->restore(before);
        set->addRange(c, c);
    }
    if (flags & IGNORECASE) set->widenCase();
    return set;
}

