#include "foundation/text/SentenceBoundaries.h"

#include "foundation/text/CharacterClasses.h"

#include <cwchar>

int skipWhitespace(const wchar_t* text, int length, int position, bool backward) {
    if (text == nullptr || position >= length) return length < 0 ? 0 : length;
    if (position < 0) position = 0;
    if (backward) {
        while (position > 0 && isBlankChar(text[position])) --position;
        return position;
    }
    while (position < length && isBlankChar(text[position])) ++position;
    return position;
}

int skipWhitespace(const wchar_t* text, int position, bool backward) {
    if (text == nullptr) return 0;
    return skipWhitespace(text, static_cast<int>(std::wcslen(text)), position, backward);
}

bool isMonthAbbreviation(const std::wstring& word) {
    static const wchar_t* const months[] = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Aug",
                                            L"Oct", L"Nov", L"Dec", L"June", L"July", L"Sept"};
    for (const wchar_t* month : months) {
        if (word == month) return true;
    }
    return false;
}

bool isAbbreviation(wchar_t w0, wchar_t w1, wchar_t w2) {
    std::wstring word{w0, w1, w2};
    if (word == L"Mrs" || isMonthAbbreviation(word)) return true;
    if (isUpperCase(w1) && isLetter(w2) && isLowerCase(w2)) return true;
    if (isUpperCase(w2) && !isLetter(w1)) return true;
    return false;
}

namespace {

// The walk of NextPunctuation over one text; `at` reads 0 outside the text.
class SentenceEndFinder {
public:
    SentenceEndFinder(const std::wstring& text, int start) : t(text), n(static_cast<int>(text.size())), s(start) {}

    int find();

private:
    int at(int index) const { return (index >= 0 && index < n) ? t[static_cast<size_t>(index)] : 0; }
    // Steps 3c (stops) and 4: -1 when the mark at i ends no sentence.
    int endAtStop(int& i, int c);
    // A line break at i: -1 when it ends no sentence.
    int endAtLineBreak(int& i, int c);

    const std::wstring& t;
    int n;
    int s;
    int lastBreak = -1;
    bool nonBlankSeen = false;
    bool wideSeen = false;
    int lineMode = 0;  // 0 no line break yet; 1 after a line without Japanese; 2 after one with
    int count = 0;     // characters since the last line break
    bool atLineStart = false;
};

int SentenceEndFinder::find() {
    if (n < 4) return n;
    if (s < 0) s = 0;
    atLineStart = s == 0 || isLineBreakChar(at(s - 1));
    for (int i = s; i < n - 2; ++i) {
        int c = at(i);
        ++count;
        if (c > 32) nonBlankSeen = true;
        if (count == 1 && lineMode != 0 && isListMark(c)) return i - 1;
        if ((c >= 0x2000 && c <= 0x2670) || c == 0x3000) {
            if (c == 0x2014 && count > 2) {
                while (i + 1 < n && isQuoteChar(at(i + 1))) ++i;
                return i;
            }
            continue;
        }
        if (c < 0x81) {
            int end = -1;
            if (c == '.' || c == '?' || c == '!' || c == ';' || c == ':') {
                end = endAtStop(i, c);
            } else if (isLineBreakChar(c)) {
                end = endAtLineBreak(i, c);
            }
            if (end >= 0) return end;
            continue;
        }
        if (lineMode == 1) return lastBreak;
        wideSeen = true;
        if (isJapaneseStop(c) && !(c == 0xFF0E && isDigitChar(at(i + 1)))) {
            while (i < n && (isJapaneseStop(at(i)) || isClosingBracket(at(i)))) ++i;
            return i;
        }
    }
    return n;
}

int SentenceEndFinder::endAtStop(int& i, int c) {
    int distance = i - s;
    if (distance <= 3 || (c == ':' && distance <= 19)) return -1;
    if (c == '.') {
        if (isAbbreviation(static_cast<wchar_t>(at(i - 3)), static_cast<wchar_t>(at(i - 2)), static_cast<wchar_t>(at(i - 1)))) {
            return -1;
        }
        if (distance == 4 && isMonthAbbreviation(t.substr(static_cast<size_t>(i - 4), 4)) && at(i + 1) == ' ' &&
            isDigitChar(at(i + 2))) {
            return -1;
        }
    }
    // Skip reference marks such as "[12]" right after the stop.
    int x = at(i + 1);
    while (x == '[') {
        int close = i + 2;
        while (close < n && at(close) != ']') ++close;
        if (close >= n - 2 || close - i >= 18) break;
        i = close;
        x = at(i + 1);
    }
    bool closes = x < 0x21 || x == ')' || x == '"' || x == '\'' || x == 0x201D;
    if (closes) {
        if (c != ';' && c != ':' && isLowerCase(at(i + 2))) return -1;
        if (lineMode == 2 && !wideSeen) return lastBreak;
        if (isQuoteChar(x)) ++i;
        return i + 2;
    }
    if (x == 0x3000) return i + 2;
    return -1;
}

int SentenceEndFinder::endAtLineBreak(int& i, int c) {
    int previous = at(i - 1);
    if (c == '\r' && at(i + 1) == '\n') ++i;
    if (isClosingBracket(previous)) return i + 1;
    if (lineMode == 0) {
        lineMode = wideSeen ? 2 : 1;
        if (lineMode == 1 && atLineStart && (isUpperCase(at(i + 1)) || !isLetter(at(i + 1)))) return i + 1;
    } else if ((lineMode == 1 && wideSeen) || (lineMode == 2 && !wideSeen) || !nonBlankSeen) {
        return lastBreak;
    }
    nonBlankSeen = false;
    wideSeen = false;
    count = 0;
    lastBreak = i + 1;
    return -1;
}

} // namespace

int NextPunctuation(const std::wstring& text, int start) {
    if (start >= static_cast<int>(text.size())) return static_cast<int>(text.size());
    return SentenceEndFinder(text, start).find();
}

std::pair<int, int> getSentenceRange(const std::wstring& text, int position, int direction) {
    int n = static_cast<int>(text.size());
    if (position < 0) position = 0;
    if (position > n) position = n;
    if (direction >= 0) {
        int start = skipWhitespace(text.c_str(), n, position, false);
        return {start, NextPunctuation(text, start)};
    }
    // No sentence starts before the text's start: the empty range there.
    if (position == 0) return {0, 0};
    int s = position - 256 > 0 ? position - 256 : 0;
    int start = s;
    do {
        start = s;
        int end = NextPunctuation(text, s);
        int next = skipWhitespace(text.c_str(), n, end, false);
        if (next >= n - 1) next = n;
        // Each step must move on, so the walk always ends.
        s = next > start ? next : (start < n ? start + 1 : n);
    } while (s < position);
    return {start, s};
}
