#include "foundation/regex/CharacterElements.h"

#include "foundation/regex/RegexCharacters.h"

#include <cwctype>

using namespace regexchars;

namespace {

void addCaseVariants(FirstChars& first, int c) {
    first.add(c);
    first.add(toUpperChar(c));
    first.add(toLowerChar(c));
    first.add(toLowerChar(toUpperChar(c)));
    first.add(toUpperChar(toLowerChar(c)));
}

} // namespace

CStringElxT::CStringElxT(std::wstring text, bool rightToLeft, bool ignoreCase)
    : mText(std::move(text)), mUpper(caseTable().upper), mRightToLeft(rightToLeft), mIgnoreCase(ignoreCase) {
    if (mIgnoreCase) {
        mFolded = mText;
        for (wchar_t& c : mFolded) c = static_cast<wchar_t>(toUpperChar(c));
    }
}

// Two characters are equal without case when their toUpperChar forms are: the pattern's
// side is folded in advance.
bool CStringElxT::sameAt(const wchar_t* text) const {
    const wchar_t* pattern = mText.data();
    size_t count = mText.size();
    if (!mIgnoreCase) {
        for (size_t i = 0; i < count; ++i) {
            if (text[i] != pattern[i]) return false;
        }
        return true;
    }
    const wchar_t* folded = mFolded.data();
    for (size_t i = 0; i < count; ++i) {
        int c = text[i];
        if (c != pattern[i] && foldWith(mUpper, c) != folded[i]) return false;
    }
    return true;
}

bool CStringElxT::match(CContext& context) const {
    int count = static_cast<int>(mText.size());
    int from = mRightToLeft ? context.position - count : context.position;
    if (from < 0 || from + count > context.length()) return false;
    if (!sameAt(context.text.getBuffer() + from)) return false;
    context.position = mRightToLeft ? from : from + count;
    return true;
}

bool CStringElxT::matchNext(CContext& context) const {
    int count = static_cast<int>(mText.size());
    context.position += mRightToLeft ? count : -count;
    return false;
}

bool CStringElxT::collectFirstChars(FirstChars& first) const {
    if (mText.empty()) return true;
    if (mRightToLeft) {
        first.any = true;
        return false;
    }
    if (mIgnoreCase) {
        addCaseVariants(first, mText[0]);
    } else {
        first.add(mText[0]);
    }
    return false;
}

void CCharClassElxT::prepareTable() {
    for (int c = 0; c < 256; ++c) {
        if (contains(c)) mLatin[c >> 5] |= 1u << (c & 31);
    }
    mHigh = highAnswer();
}

bool CCharClassElxT::match(CContext& context) const {
    int index = mRightToLeft ? context.position - 1 : context.position;
    if (index < 0 || index >= context.length() || !test(context.text[index])) return false;
    context.position += mRightToLeft ? -1 : 1;
    return true;
}

bool CCharClassElxT::matchNext(CContext& context) const {
    context.position += mRightToLeft ? 1 : -1;
    return false;
}

bool CCharClassElxT::collectFirstChars(FirstChars& first) const {
    if (mRightToLeft || !addChars(first)) first.any = true;
    return false;
}

void CRangeElxT::addRange(int low, int high) {
    if (low == high) {
        addChar(low);
    } else if (low < high) {
        mRanges.emplace_back(low, high);
    }
}

bool CRangeElxT::inRanges(int c) const {
    for (const auto& range : mRanges) {
        if (c >= range.first && c <= range.second) return true;
    }
    return false;
}

bool CRangeElxT::holds(int c) const {
    if (mChars.contains(c) || inRanges(c)) return true;
    for (const CCharClassElxT* embedded : mClasses) {
        if (embedded->contains(c)) return true;
    }
    return false;
}

bool CRangeElxT::contains(int c) const {
    return holds(c) != mNegated;
}

int CRangeElxT::highAnswer() const {
    if (mChars.getSize() > 0 && mChars[mChars.getSize() - 1] > 255) return -1;
    for (const auto& range : mRanges) {
        if (range.second > 255) return -1;
    }
    // Only the embedded classes can hold a character above 255.
    bool held = false;
    for (const CCharClassElxT* embedded : mClasses) {
        int answer = embedded->highAnswer();
        if (answer < 0) return -1;
        held = held || answer == 1;
    }
    return held != mNegated ? 1 : 0;
}

bool CRangeElxT::addChars(FirstChars& first) const {
    if (mNegated) return false;
    for (int i = 0; i < mChars.getSize(); ++i) first.add(mChars[i]);
    for (const auto& range : mRanges) first.addRange(range.first, range.second);
    for (const CCharClassElxT* embedded : mClasses) {
        if (!embedded->addChars(first)) return false;
    }
    return true;
}

// The part of each range that overlaps A-Z gets its lower-case range and the part that
// overlaps a-z its upper-case range, unless the set covers it already; each single
// character gets its other case. Embedded classes are left as they are.
void CRangeElxT::widenCase() {
    std::vector<std::pair<int, int>> added;
    auto covered = [this, &added](int c) {
        if (mChars.contains(c) || inRanges(c)) return true;
        for (const auto& range : added) {
            if (c >= range.first && c <= range.second) return true;
        }
        return false;
    };
    auto addCounterpart = [&](int low, int high, int caseLow, int caseHigh, int shift) {
        int from = low > caseLow ? low : caseLow;
        int to = high < caseHigh ? high : caseHigh;
        if (from > to) return;
        if (!covered(from + shift) || !covered(to + shift)) added.emplace_back(from + shift, to + shift);
    };
    for (const auto& range : mRanges) {
        addCounterpart(range.first, range.second, 'A', 'Z', 'a' - 'A');
        addCounterpart(range.first, range.second, 'a', 'z', 'A' - 'a');
    }
    CSortedBufferT<int> original = mChars;
    for (int i = 0; i < original.getSize(); ++i) {
        for (int other : {toLowerChar(original[i]), toUpperChar(original[i])}) {
            if (!covered(other)) mChars.addUnique(other);
        }
    }
    for (const auto& range : added) addRange(range.first, range.second);
}

int CPosixElxT::kindOf(const std::wstring& name) {
    static const wchar_t* const names[] = {L"alnum", L"alpha", L"ascii", L"cntrl", L"digit", L"graph", L"lower",
                                           L"print", L"punct", L"space", L"upper", L"xdigit", L"blank"};
    for (int i = 0; i < 13; ++i) {
        if (name == names[i]) return i;
    }
    return -1;
}

bool CPosixElxT::contains(int c) const {
    wint_t w = static_cast<wint_t>(c);
    bool in = false;
    switch (mKind) {
    case 0: in = ::iswalnum(w) != 0; break;
    case 1: in = ::iswalpha(w) != 0; break;
    case 2: in = c >= 0 && c < 128; break;
    case 3: in = ::iswcntrl(w) != 0; break;
    case 4: in = ::iswdigit(w) != 0; break;
    case 5: in = ::iswgraph(w) != 0; break;
    case 6: in = isLowerChar(c); break;
    case 7: in = ::iswprint(w) != 0; break;
    case 8: in = ::iswpunct(w) != 0; break;
    case 9: in = ::iswspace(w) != 0; break;
    case 10: in = isUpperChar(c); break;
    case 11: in = ::iswxdigit(w) != 0; break;
    default: in = isBlankChar(c); break;
    }
    return in != mNegated;
}

int CPosixElxT::highAnswer() const {
    // "ascii", "lower", "upper" and "blank" hold nothing above 255; the others ask the runtime.
    if (mKind == 2 || mKind == 6 || mKind == 10 || mKind == 12) return mNegated ? 1 : 0;
    return -1;
}

bool CBoundaryElxT::match(CContext& context) const {
    int p = context.position;
    int n = context.length();
    int before = context.charAt(p - 1);
    int after = context.charAt(p);
    switch (mKind) {
    case TextStart: return p == 0;
    case TextEnd: return p == n;
    case TextEndOrFinalLineBreak:
        return p == n || (p == n - 1 && after == '\n') || (p == n - 2 && after == '\r' && context.charAt(p + 1) == '\n');
    case LineStart: return p == 0 || before == '\n' || (before == '\r' && after != '\n');
    case LineEnd: return p == n || after == '\r' || (after == '\n' && before != '\r');
    case WordBoundary: return isWordChar(before) != isWordChar(after);
    case NotWordBoundary: return isWordChar(before) == isWordChar(after);
    }
    return false;
}

bool CBackrefElxT::match(CContext& context) const {
    if (mGroup < 0 || 2 * mGroup + 1 >= context.captures.getSize()) return false;
    int start = context.captures[2 * mGroup];
    int end = context.captures[2 * mGroup + 1];
    if (start < 0 && end < 0) return false;
    // A group still open spans from its recorded side to the current position.
    if (end < 0) end = context.position;
    if (start < 0) start = context.position;
    if (end < start) return false;
    int count = end - start;
    int from = mRightToLeft ? context.position - count : context.position;
    if (from < 0 || from + count > context.length()) return false;
    const wchar_t* text = context.text.getBuffer();
    if (mIgnoreCase) {
        const wchar_t* upper = caseTable().upper;
        for (int i = 0; i < count; ++i) {
            int a = text[from + i];
            int b = text[start + i];
            if (a != b && foldWith(upper, a) != foldWith(upper, b)) return false;
        }
    } else {
        for (int i = 0; i < count; ++i) {
            if (text[from + i] != text[start + i]) return false;
        }
    }
    context.push(context.position);
    context.position = mRightToLeft ? from : from + count;
    return true;
}

bool CBackrefElxT::matchNext(CContext& context) const {
    context.position = context.pop();
    return false;
}
