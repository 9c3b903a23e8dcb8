#include "foundation/regex/RegexBuilder.h"

#include "foundation/regex/RegexCharacters.h"
#include "foundation/regex/RegexParserHelpers.h"

#include <algorithm>

using namespace regexchars;
using namespace regexbuild;

namespace {

constexpr int kUnbounded = CRepeatBaseElxT::kUnbounded;
constexpr int kMaxStackedQuantifiers = 8;

bool sameName(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (!equalFolded(a[i], b[i])) return false;
    }
    return true;
}

void appendCode(std::wstring& text, int code) {
    if (code > 0xFFFF && code <= 0x10FFFF) {
        code -= 0x10000;
        text += static_cast<wchar_t>(0xD800 + (code >> 10));
        text += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
    } else {
        text += static_cast<wchar_t>(code > 0xFFFF ? 0xFFFF : code);
    }
}

} // namespace


void CBuilderT<wchar_t>::clear() {
    for (ElxInterface* element : mElements) delete element;
    mElements.clear();
    for (auto& stock : mStock) stock = nullptr;
    mRoot = nullptr;
    mFlags = 0;
    mGroupCount = 0;
    mFirstChars.reset();
    mLeadingDotStar = NoDotStar;
    mLeadingTest = nullptr;
    mLeadingText = nullptr;
    mGroupNames.clear();
}

const ElxInterface* CBuilderT<wchar_t>::getStockElement(int index) {
    if (index < 0 || index > 16) index = 0;
    if (mStock[index] != nullptr) return mStock[index];
    if (index == 0) {
        mStock[0] = keep<CEmptyElxT>();
    } else if (index <= 4) {
        bool rightToLeft = index == 2 || index == 4;
        CRangeElxT* dot = keep<CRangeElxT>(rightToLeft, true);
        if (index <= 2) dot->addRange('\n', '\n');
        mStock[index] = dot;
    } else {
        int kind = (index - 5) % 6;
        bool rightToLeft = index >= 11;
        CRangeElxT* set = keep<CRangeElxT>(rightToLeft, kind % 2 == 1);
        if (kind < 2) {
            set->addRange('A', 'Z');
            set->addRange('a', 'z');
            set->addRange('0', '9');
            set->addRange('_', '_');
        } else if (kind < 4) {
            set->addRange(' ', ' ');
            set->addRange('\t', '\t');
            set->addRange('\r', '\r');
            set->addRange('\n', '\n');
        } else {
            set->addRange('0', '9');
        }
        mStock[index] = set;
    }
    return mStock[index];
}

const ElxInterface* CBuilderT<wchar_t>::stockClass(int letter, bool rightToLeft) {
    const wchar_t* letters = L"wWsSdD";
    int kind = static_cast<int>(std::wcschr(letters, static_cast<wchar_t>(letter)) - letters);
    return getStockElement(5 + kind + (rightToLeft ? 6 : 0));
}

int CBuilderT<wchar_t>::groupNumber(const std::wstring& name) const {
    for (const auto& entry : mGroupNames) {
        if (sameName(entry.first, name)) return entry.second;
    }
    return -1;
}

void CBuilderT<wchar_t>::build(const std::wstring& pattern, int flags) {
    clear();
    mFlags = flags;
    mLexer = std::make_unique<RegexLexer>(pattern, (flags & EXTENDED) != 0);
    mNumbered.clear();
    mNamed.clear();
    mReferences.clear();
    mUnclosedGroups.clear();
    int current = flags;
    mRoot = parseAlternation(current, 0);
    resolve();
    prepareElements();
    if ((flags & RIGHTTOLEFT) == 0) {
        auto first = std::make_unique<FirstChars>();
        bool canBeEmpty = mRoot->collectFirstChars(*first);
        if (!canBeEmpty && !first->any) {
            first->settle();
            mFirstChars = std::move(first);
        }
        findLeadingDotStar();
    }
    mLexer.reset();
    mNumbered.clear();
    mNamed.clear();
    mReferences.clear();
}

const ElxInterface* CBuilderT<wchar_t>::parseAlternation(int& flags, int depth) {
    std::vector<const ElxInterface*> branches{parseSequence(flags, depth)};
    while (mLexer->peek(false).is('|')) {
        mLexer->next(false);
        branches.push_back(parseSequence(flags, depth));
    }
    if (branches.size() == 1) return branches[0];
    return keep<CAlternativeElxT>(branches);
}

const ElxInterface* CBuilderT<wchar_t>::parseSequence(int& flags, int depth) {
    std::vector<const ElxInterface*> items;
    std::wstring run;
    int runFlags = flags;
    auto flush = [&]() {
        if (!run.empty()) items.push_back(makeString(run, runFlags));
        run.clear();
    };
    for (;;) {
        RegexToken token = mLexer->peek(false);
        if (token.atEnd() || token.is('|') || (token.is(')') && depth > 0)) break;
        mLexer->next(false);
        Atom atom = parseAtom(token, flags, depth);
        if (atom.element == nullptr) {
            int minimum = 0;
            int maximum = 0;
            if (readQuantifier(minimum, maximum, false)) {
                // A quantifier applies to the last literal character only.
                flush();
                std::wstring single;
                appendCode(single, atom.literal);
                items.push_back(applyQuantifiers(makeString(single, flags), flags));
                continue;
            }
            if (!run.empty() && (runFlags & (IGNORECASE | RIGHTTOLEFT)) != (flags & (IGNORECASE | RIGHTTOLEFT))) flush();
            if (run.empty()) runFlags = flags;
            appendCode(run, atom.literal);
            continue;
        }
        flush();
        items.push_back(applyQuantifiers(atom.element, flags));
    }
    flush();
    if (items.empty()) return getStockElement(0);
    if (items.size() == 1) return items[0];
    return keep<CListElxT>(items, (flags & RIGHTTOLEFT) != 0);
}

CBuilderT<wchar_t>::Atom CBuilderT<wchar_t>::parseAtom(const RegexToken& token, int& flags, int depth) {
    Atom atom;
    if (!token.special) {
        atom.literal = token.ch;
        return atom;
    }
    if (mLexer->raw(token.pos) == '\\') return parseEscape(token, flags);
    bool rightToLeft = (flags & RIGHTTOLEFT) != 0;
    switch (token.ch) {
    case '.':
        atom.element = getStockElement(((flags & SINGLELINE) ? 3 : 1) + (rightToLeft ? 1 : 0));
        return atom;
    case '^':
        atom.element = keep<CBoundaryElxT>((flags & MULTILINE) ? CBoundaryElxT::LineStart : CBoundaryElxT::TextStart);
        return atom;
    case '$':
        atom.element = keep<CBoundaryElxT>((flags & MULTILINE) ? CBoundaryElxT::LineEnd : CBoundaryElxT::TextEnd);
        return atom;
    case '(':
        atom.element = parseGroup(token.pos, flags, depth);
        break;
    case '[':
        atom.element = parseSet(flags);
        break;
    default:
        break;  // a quantifier with nothing before it, "}" or a stray ")": literal
    }
    if (atom.element == nullptr) atom.literal = token.ch;
    return atom;
}

CBuilderT<wchar_t>::Atom CBuilderT<wchar_t>::parseEscape(const RegexToken& token, int flags) {
    Atom atom;
    bool rightToLeft = (flags & RIGHTTOLEFT) != 0;
    int c = token.ch;
    switch (c) {
    case 'A': atom.element = keep<CBoundaryElxT>(CBoundaryElxT::TextStart); return atom;
    case 'Z': atom.element = keep<CBoundaryElxT>(CBoundaryElxT::TextEndOrFinalLineBreak); return atom;
    case 'z': atom.element = keep<CBoundaryElxT>(CBoundaryElxT::TextEnd); return atom;
    case 'b': atom.element = keep<CBoundaryElxT>(CBoundaryElxT::WordBoundary); return atom;
    case 'B': atom.element = keep<CBoundaryElxT>(CBoundaryElxT::NotWordBoundary); return atom;
    case 'G':
        atom.element = (flags & GLOBAL) ? static_cast<const ElxInterface*>(keep<CGlobalElxT>()) : getStockElement(0);
        return atom;
    default: break;
    }
    if (isClassLetter(c)) {
        atom.element = stockClass(c, rightToLeft);
        return atom;
    }
    int number = -1;
    std::wstring name;
    int pos = mLexer->position();
    if (isDigit(c)) {
        // A second digit belongs to the reference only when that many groups are open
        // already, so "\12" after three groups is group 1 followed by "2".
        number = c - '0';
        if (isDigit(mLexer->raw(pos))) {
            int two = number * 10 + (mLexer->raw(pos) - '0');
            if (two <= static_cast<int>(mNumbered.size())) {
                number = two;
                mLexer->setPosition(pos + 1);
            }
        }
    } else if (c == 'k' || c == 'g') {
        if (isDigit(mLexer->raw(pos))) {
            number = 0;
            while (isDigit(mLexer->raw(pos))) {
                if (number < 100000) number = number * 10 + (mLexer->raw(pos) - '0');
                ++pos;
            }
        } else if (!readName(pos, name)) {
            atom.literal = c;
            return atom;
        }
        mLexer->setPosition(pos);
    } else {
        atom.literal = c;
        return atom;
    }
    CBackrefElxT* reference = keep<CBackrefElxT>(rightToLeft, (flags & IGNORECASE) != 0);
    mReferences.push_back(Reference{reference, 0, number, name});
    atom.element = reference;
    return atom;
}

// Reads "*", "+", "?" or "{n}", "{n,}", "{n,m}" (braces without a leading number give
// 0 to 0; a "{" without a "}" is no quantifier).
bool CBuilderT<wchar_t>::readQuantifier(int& minimum, int& maximum, bool consume) {
    RegexToken token = mLexer->peek(false);
    if (!token.special || mLexer->raw(token.pos) == '\\') return false;
    int after = token.pos + token.len;
    auto readNumber = [this](int& q) {
        long long value = 0;
        while (isDigit(mLexer->raw(q))) {
            value = value * 10 + (mLexer->raw(q++) - '0');
            if (value > kUnbounded) value = kUnbounded;
        }
        return static_cast<int>(value);
    };
    switch (token.ch) {
    case '*': minimum = 0; maximum = kUnbounded; break;
    case '+': minimum = 1; maximum = kUnbounded; break;
    case '?': minimum = 0; maximum = 1; break;
    case '{': {
        int close = token.pos + 1;
        while (close < mLexer->length() && mLexer->raw(close) != '}') ++close;
        if (close >= mLexer->length()) return false;
        int q = token.pos + 1;
        if (!isDigit(mLexer->raw(q))) {
            minimum = 0;
            maximum = 0;
        } else {
            minimum = readNumber(q);
            maximum = minimum;
            if (mLexer->raw(q) == ',') {
                ++q;
                maximum = isDigit(mLexer->raw(q)) ? readNumber(q) : kUnbounded;
            }
        }
        after = close + 1;
        break;
    }
    default: return false;
    }
    if (consume) mLexer->setPosition(after);
    return true;
}

const ElxInterface* CBuilderT<wchar_t>::applyQuantifiers(const ElxInterface* atom, int flags) {
    bool rightToLeft = (flags & RIGHTTOLEFT) != 0;
    int minimum = 0;
    int maximum = 0;
    // At most a few quantifiers stack on one atom; a further one starts a literal.
    for (int stacked = 0; stacked < kMaxStackedQuantifiers && readQuantifier(minimum, maximum, true); ++stacked) {
        if (maximum < minimum) maximum = minimum;
        bool reluctant = false;
        bool possessive = false;
        RegexToken suffix = mLexer->peek(false);
        if (suffix.is('?') && mLexer->raw(suffix.pos) != '\\') {
            mLexer->next(false);
            reluctant = true;
        } else if (suffix.is('+') && mLexer->raw(suffix.pos) != '\\') {
            mLexer->next(false);
            possessive = true;
        }
        if (maximum == 0) {
            atom = getStockElement(0);
        } else if (minimum == maximum) {
            atom = keep<CRepeatElxT>(atom, minimum, rightToLeft);
        } else if (reluctant) {
            atom = keep<CReluctantElxT>(atom, minimum, maximum, rightToLeft);
        } else if (possessive) {
            atom = keep<CPossessiveElxT>(keep<CGreedyElxT>(atom, minimum, maximum, rightToLeft));
        } else {
            atom = keep<CGreedyElxT>(atom, minimum, maximum, rightToLeft);
        }
    }
    return atom;
}

const ElxInterface* CBuilderT<wchar_t>::makeString(const std::wstring& text, int flags) {
    return keep<CStringElxT>(text, (flags & RIGHTTOLEFT) != 0, (flags & IGNORECASE) != 0);
}

// Numbers the named groups after the numbered ones (equal names share a number) and
// points back references, recursions and conditions at their groups.
void CBuilderT<wchar_t>::resolve() {
    int count = static_cast<int>(mNumbered.size());
    mGroupNames.clear();
    for (auto& named : mNamed) {
        int number = groupNumber(named.first);
        if (number < 0) {
            number = ++count;
            mGroupNames.emplace_back(named.first, number);
        }
        named.second->setNumber(number);
    }
    mGroupCount = count;
    for (const Reference& reference : mReferences) {
        int number = reference.number;
        if (number < 0 && !reference.name.empty()) {
            bool digits = true;
            for (wchar_t c : reference.name) digits = digits && isDigit(c);
            number = digits ? (reference.name.size() > 6 ? -1 : std::stoi(reference.name)) : groupNumber(reference.name);
        }
        bool valid = number >= 1 && number <= count;
        if (reference.kind == 0) {
            static_cast<CBackrefElxT*>(reference.element)->setGroup(valid ? number : -1);
        } else if (reference.kind == 2) {
            static_cast<CConditionElxT*>(reference.element)->setGroup(valid ? number : -1);
        } else {
            const ElxInterface* target = nullptr;
            if (number == 0 && reference.name.empty()) {
                target = mRoot;
            } else if (valid && number <= static_cast<int>(mNumbered.size())) {
                target = mNumbered[static_cast<size_t>(number - 1)];
            } else if (valid) {
                for (const auto& named : mNamed) {
                    if (named.second->number() == number) {
                        target = named.second;
                        break;
                    }
                }
            }
            static_cast<CDelegateElxT*>(reference.element)->setTarget(target);
        }
    }
}

void CBuilderT<wchar_t>::findLeadingDotStar() {
    const ElxInterface* first = mRoot;
    if (const auto* list = dynamic_cast<const CListElxT*>(mRoot)) {
        if (list->rightToLeft() || list->items().empty()) return;
        first = list->items().front();
    }
    if (dynamic_cast<const CBoundaryElxT*>(first) != nullptr) mLeadingTest = first;
    const auto* text = dynamic_cast<const CStringElxT*>(first);
    if (text != nullptr && !text->rightToLeft() && !text->text().empty()) mLeadingText = text;
    const auto* greedy = dynamic_cast<const CGreedyElxT*>(first);
    if (greedy == nullptr || greedy->minimum() != 0 || greedy->maximum() != kUnbounded) return;
    if (greedy->inner() == mStock[1]) mLeadingDotStar = DotStarToLineEnd;
    if (greedy->inner() == mStock[3]) mLeadingDotStar = DotStarToTextEnd;
}

// Completes the elements once the tree stands: the character tables of the classes, the
// branch filters of the alternatives, and the repeats that need not give anything back.
void CBuilderT<wchar_t>::prepareElements() {
    for (ElxInterface* element : mElements) {
        if (auto* characterClass = dynamic_cast<CCharClassElxT*>(element)) {
            characterClass->prepareTable();
        } else if (auto* alternative = dynamic_cast<CAlternativeElxT*>(element)) {
            alternative->prepareFilters();
        }
    }
    stopNeedlessGiveBacks();
}

namespace {

// Whether no character that can begin a repetition of inner is in follower (a set that
// is not `any`).
bool beginsApart(const ElxInterface* inner, const FirstChars& follower) {
    if (const auto* characterClass = dynamic_cast<const CCharClassElxT*>(inner)) {
        for (size_t word = 0; word < follower.bits.size(); ++word) {
            uint32_t bits = follower.bits[word];
            for (int bit = 0; bits != 0; ++bit, bits >>= 1) {
                if ((bits & 1u) != 0 && characterClass->contains(static_cast<int>(word * 32) + bit)) return false;
            }
        }
        return true;
    }
    FirstChars own;
    if (inner->collectFirstChars(own) || own.any) return false;
    for (size_t word = 0; word < own.bits.size(); ++word) {
        if ((own.bits[word] & follower.bits[word]) != 0) return false;
    }
    return true;
}

} // namespace

// A greedy repeat of a fixed-width element (alone or as a group's whole content), followed
// in a left-to-right sequence by an element that must begin with a character no
// repetition can begin with: every repetition given back leaves the position where the
// follower fails, so the repeat gives none back. A reluctant repeat there learns what
// its follower can begin with, and stops only where it can. Recursion can run a group
// with another follower, so a pattern with recursion keeps the plain behaviour.
void CBuilderT<wchar_t>::stopNeedlessGiveBacks() {
    for (ElxInterface* element : mElements) {
        if (dynamic_cast<CDelegateElxT*>(element) != nullptr) return;
    }
    std::vector<const CGreedyElxT*> needless;
    std::vector<std::pair<const CReluctantElxT*, StartFilter>> followers;
    for (ElxInterface* element : mElements) {
        const auto* list = dynamic_cast<const CListElxT*>(element);
        if (list == nullptr || list->rightToLeft()) continue;
        const std::vector<const ElxInterface*>& items = list->items();
        for (size_t i = 0; i + 1 < items.size(); ++i) {
            const ElxInterface* item = items[i];
            if (const auto* bracket = dynamic_cast<const CBracketElxT*>(item)) item = bracket->content();
            if (const auto* reluctant = dynamic_cast<const CReluctantElxT*>(item)) {
                if (!reluctant->rightToLeft()) followers.emplace_back(reluctant, StartFilter(*items[i + 1]));
                continue;
            }
            const auto* greedy = dynamic_cast<const CGreedyElxT*>(item);
            if (greedy == nullptr || greedy->rightToLeft() || greedy->inner()->simpleWidth() < 1) continue;
            FirstChars follower;
            if (items[i + 1]->collectFirstChars(follower) || follower.any) continue;
            if (beginsApart(greedy->inner(), follower)) needless.push_back(greedy);
        }
    }
    auto byRepeat = [](const std::pair<const CReluctantElxT*, StartFilter>& a,
                       const std::pair<const CReluctantElxT*, StartFilter>& b) { return a.first < b.first; };
    std::sort(followers.begin(), followers.end(), byRepeat);
    for (ElxInterface* element : mElements) {
        auto* reluctant = dynamic_cast<CReluctantElxT*>(element);
        if (reluctant == nullptr) continue;
        auto found = std::lower_bound(followers.begin(), followers.end(), std::make_pair(reluctant, StartFilter()), byRepeat);
        if (found != followers.end() && found->first == reluctant) reluctant->setFollower(found->second);
    }
    std::sort(needless.begin(), needless.end());
    for (ElxInterface* element : mElements) {
        auto* greedy = dynamic_cast<CGreedyElxT*>(element);
        if (greedy != nullptr && std::binary_search(needless.begin(), needless.end(), greedy)) greedy->setNoGiveBack();
    }
}
