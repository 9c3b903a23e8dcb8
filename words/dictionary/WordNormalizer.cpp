#include "words/dictionary/WordNormalizer.h"

namespace {

std::wstring withoutLast(const std::wstring& text) { return text.substr(0, text.size() - 1); }

// Lower case for units below 256 only, as the "uses" check needs.
std::wstring lowerLatin1(std::wstring text) {
    for (wchar_t& c : text) {
        if (c < 256 && ((c >= L'A' && c <= L'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))) c += 0x20;
    }
    return text;
}

}  // namespace

std::wstring WordNormalizer::normalize(const std::wstring& word) {
    if (word.size() <= 3) return word;
    mStem = word.substr(0, word.size() - 3);
    mTail = word.substr(word.size() - 3);
    mLast = mStem.back();
    const wchar_t t0 = mTail[0];
    const wchar_t t1 = mTail[1];
    const wchar_t t2 = mTail[2];

    if (mLyRule && t1 == L'l' && t2 == L'y') return t0 == L'i' ? mStem + L"y" : mStem + t0;
    if (t1 == L'e' && t2 == L'd') {
        if (mTail == L"ied") return mStem + L"y";
        if (mTail == L"ked" && mLast == L'c') return mStem;  // panicked
        if (t0 != mLast) return mStem + t0;
        return mStem;  // stopped
    }
    if (mIngRule && mTail == L"ing") return mStem;
    if (t2 != L's') return normalizeEnding(word);
    return normalizePlural(word);
}

// Comparatives and superlatives.
std::wstring WordNormalizer::normalizeEnding(const std::wstring& word) const {
    const wchar_t t0 = mTail[0];
    if (mEstRule && mTail == L"est" && mStem.size() > 3) {
        if (mLast == L'i') return withoutLast(mStem) + L"y";
        if (mStem[mStem.size() - 2] != mLast) return mStem;
        return withoutLast(mStem);  // biggest
    }
    if (mErRule && mTail[1] == L'e' && mTail[2] == L'r') {
        if (t0 == L'i') return mStem + L"y";
        if (t0 != mLast) return mStem + t0;
        return mStem;  // bigger
    }
    return word;
}

// Plurals and third persons.
std::wstring WordNormalizer::normalizePlural(const std::wstring& word) const {
    if (mTail[1] != L'e') return withoutLast(word);
    switch (mTail[0]) {
    case L'h':
        return mLast == L's' || mLast == L'c' ? mStem + L"h" : withoutLast(word);
    case L'i':
        return mStem + L"y";
    case L'o':
        return mStem + L"o";
    case L's':
    case L'x':
    case L'z':
        return lowerLatin1(word) == L"uses" ? withoutLast(word) : mStem + mTail[0];
    case L'v':
        return mStem + L"f";
    default:
        return withoutLast(word);
    }
}
