// The group syntax of the pattern parser: "(" ... ")" and every "(?" form.
#include "foundation/regex/RegexBuilder.h"

#include "foundation/regex/RegexCharacters.h"
#include "foundation/regex/RegexParserHelpers.h"

using namespace regexchars;
using namespace regexbuild;

namespace {
constexpr int kMaxGroupDepth = 64;
}

// Reads a group name ([A-Za-z0-9_]+) in "<" ">" or in single quotes, the opening one at
// pos; pos moves past the closing one. A name made only of digits is kept as it is.
bool CBuilderT<wchar_t>::readName(int& pos, std::wstring& name) const {
    int open = mLexer->raw(pos);
    if (open != '<' && open != '\'') return false;
    int close = open == '<' ? '>' : '\'';
    int q = pos + 1;
    std::wstring text;
    while (isWordChar(mLexer->raw(q))) text += static_cast<wchar_t>(mLexer->raw(q++));
    if (text.empty() || mLexer->raw(q) != close) return false;
    name = text;
    pos = q + 1;
    return true;
}

CBuilderT<wchar_t>::Saved CBuilderT<wchar_t>::save() const {
    return Saved{mLexer->save(), static_cast<int>(mNumbered.size()), mNamed.size(), mReferences.size()};
}

void CBuilderT<wchar_t>::restore(const Saved& saved) {
    mLexer->restore(saved.lexer);
    mNumbered.resize(static_cast<size_t>(saved.numbered));
    mNamed.resize(saved.named);
    mReferences.resize(saved.references);
}

// An unclosed "(" is read as a literal; remembering its position keeps nested unclosed
// groups from being parsed again and again.
const ElxInterface* CBuilderT<wchar_t>::parseGroup(int openPos, int& flags, int depth) {
    // Deeper nesting is read as literal text: it keeps the parser's and the matcher's
    // C++ recursion (which follows the nesting) within any thread's stack.
    if (depth >= kMaxGroupDepth || mUnclosedGroups.contains(openPos)) return nullptr;
    Saved saved = save();
    const ElxInterface* group = parseGroupBody(flags, depth);
    if (group == nullptr) {
        restore(saved);
        mUnclosedGroups.addUnique(openPos);
    }
    return group;
}

const ElxInterface* CBuilderT<wchar_t>::parseGroupBody(int& flags, int depth) {
    int pos = mLexer->position();
    bool rightToLeft = (flags & RIGHTTOLEFT) != 0;
    int inner = flags;
    auto content = [&]() -> const ElxInterface* {
        const ElxInterface* element = parseAlternation(inner, depth + 1);
        return mLexer->next(false).is(')') ? element : nullptr;
    };
    auto capture = [&](CBracketElxT* bracket) -> const ElxInterface* {
        const ElxInterface* element = content();
        if (element == nullptr) return nullptr;
        bracket->setContent(element);
        return bracket;
    };
    int c1 = mLexer->raw(pos + 1);
    int c2 = mLexer->raw(pos + 2);
    if (mLexer->raw(pos) == '?') {
        if (c1 == ':' || c1 == '>' || c1 == '=' || c1 == '!') {
            mLexer->setPosition(pos + 2);
            if (c1 == '=' || c1 == '!') inner &= ~RIGHTTOLEFT;
            const ElxInterface* element = content();
            if (element == nullptr || c1 == ':') return element;
            if (c1 == '>') return keep<CIndependentElxT>(element);
            return keep<CAssertElxT>(element, c1 == '!');
        }
        if (c1 == '<' && (c2 == '=' || c2 == '!')) {
            mLexer->setPosition(pos + 3);
            inner |= RIGHTTOLEFT;
            const ElxInterface* element = content();
            return element == nullptr ? nullptr : keep<CAssertElxT>(element, c2 == '!');
        }
        if (c1 == '(') {
            mLexer->setPosition(pos + 2);
            return parseCondition(flags, depth);
        }
        std::wstring name;
        int q = pos + 1;
        bool recursion = false;
        if (c1 == 'R') {
            recursion = true;
            q = pos + 2;
            if (mLexer->raw(q) == ')' || readName(q, name)) {
                if (mLexer->raw(q) == ')') {
                    mLexer->setPosition(q + 1);
                    CDelegateElxT* delegate = keep<CDelegateElxT>();
                    mReferences.push_back(Reference{delegate, 1, name.empty() ? 0 : -1, name});
                    return delegate;
                }
            }
        } else if (isDigit(c1)) {
            recursion = true;
            int number = 0;
            while (isDigit(mLexer->raw(q))) {
                if (number < 100000) number = number * 10 + (mLexer->raw(q) - '0');
                ++q;
            }
            if (mLexer->raw(q) == ')') {
                mLexer->setPosition(q + 1);
                CDelegateElxT* delegate = keep<CDelegateElxT>();
                mReferences.push_back(Reference{delegate, 1, number, name});
                return delegate;
            }
        }
        if (!recursion) {
            q = c1 == 'P' ? pos + 2 : pos + 1;
            if ((c1 != 'P' || mLexer->raw(q) == '<') && readName(q, name)) {
                mLexer->setPosition(q);
                CBracketElxT* bracket = keep<CBracketElxT>(0, rightToLeft);
                mNamed.emplace_back(name, bracket);
                return capture(bracket);
            }
            // Option letters, optionally "-" and letters to switch off, then ":" or ")".
            int on = 0;
            int off = 0;
            bool minus = false;
            q = pos + 1;
            for (;; ++q) {
                int c = mLexer->raw(q);
                if (c == '-' && !minus) {
                    minus = true;
                } else if (flagBit(c) != 0) {
                    (minus ? off : on) |= flagBit(c);
                } else {
                    break;
                }
            }
            if (mLexer->raw(q) == ':') {
                mLexer->setPosition(q + 1);
                inner = (flags | on) & ~off;
                return content();
            }
            if (mLexer->raw(q) == ')') {
                mLexer->setPosition(q + 1);
                flags = (flags | on) & ~off;
                return getStockElement(0);
            }
        }
        // Anything else after "(?" is an ordinary group whose content starts with "?".
    }
    CBracketElxT* bracket = keep<CBracketElxT>(static_cast<int>(mNumbered.size()) + 1, rightToLeft);
    mNumbered.push_back(bracket);
    return capture(bracket);
}

// After "(?(": a group number or name, or an assertion, then the yes and no branches.
const ElxInterface* CBuilderT<wchar_t>::parseCondition(int flags, int depth) {
    int pos = mLexer->position();
    int inner = flags;
    const ElxInterface* assertion = nullptr;
    int number = -1;
    std::wstring name;
    int c1 = mLexer->raw(pos + 1);
    int c2 = mLexer->raw(pos + 2);
    if (mLexer->raw(pos) == '?' && (c1 == '=' || c1 == '!' || (c1 == '<' && (c2 == '=' || c2 == '!')))) {
        int assertionFlags = flags;
        assertion = parseGroup(pos - 1, assertionFlags, depth + 1);
        if (assertion == nullptr) return nullptr;
    } else {
        int q = pos;
        if (mLexer->raw(q) == '<' || mLexer->raw(q) == '\'') {
            if (!readName(q, name)) return nullptr;
        } else {
            while (isWordChar(mLexer->raw(q))) name += static_cast<wchar_t>(mLexer->raw(q++));
        }
        if (name.empty() || mLexer->raw(q) != ')') return nullptr;
        mLexer->setPosition(q + 1);
        bool digits = true;
        for (wchar_t c : name) digits = digits && isDigit(c);
        if (digits) {
            number = name.size() > 6 ? 1000000 : std::stoi(name);
            name.clear();
        }
    }
    const ElxInterface* yes = parseSequence(inner, depth + 1);
    const ElxInterface* no = getStockElement(0);
    if (mLexer->peek(false).is('|')) {
        mLexer->next(false);
        no = parseAlternation(inner, depth + 1);
    }
    if (!mLexer->next(false).is(')')) return nullptr;
    CConditionElxT* condition = keep<CConditionElxT>(yes, no);
    if (assertion != nullptr) {
        condition->setAssertion(assertion);
    } else {
        mReferences.push_back(Reference{condition, 2, number, name});
    }
    return condition;
}

