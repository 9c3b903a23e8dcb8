#include "player/lyrics/LanguageText.h"

#include "foundation/system/StringUtils.h"
#include "foundation/text/SentenceBoundaries.h"

namespace {

constexpr size_t kLastScannedIndex = 1000;

bool isEnclosedOrKanbun(wchar_t c) {
    return (c >= 0x3220 && c <= 0x3243) || (c >= 0x3251 && c <= 0x325F) || (c >= 0x3280 && c <= 0x32CB) ||
           (c >= 0x32D0 && c <= 0x32FE) || (c >= 0x3190 && c <= 0x319F);
}

// Runs of characters below U+00FF alternating with runs of the others; blanks and
// control characters stay in a run of others.
void splitByCharacterClass(const std::wstring& text, std::vector<std::wstring>& runs) {
    size_t start = 0;
    while (start < text.size()) {
        const bool latin = text[start] < 0xFF;
        size_t end = start + 1;
        while (end < text.size() && (latin ? text[end] < 0xFF : (text[end] < 0x21 || text[end] > 0xFE))) ++end;
        runs.push_back(text.substr(start, end - start));
        start = end;
    }
}

}  // namespace

bool isEnglishText(const std::wstring& text) {
    const size_t n = text.size();
    bool english = false;
    int ideographs = 0;
    for (size_t i = 0; i < n && i <= kLastScannedIndex; ++i) {
        const wchar_t c = text[i];
        if (c == 0x3000) {
            english = false;
        } else if (c > 0x3000 && c < 0x30FF && c != 0x30FB) {
            return false;
        } else if (c > 0xFEFF && c < 0xFFA0) {
            return false;
        } else if (c >= 0x408E && c <= 0x9FA8) {
            english = false;
            if (n < 12 || ideographs >= 2) return false;
            ++ideographs;
        } else if (isEnclosedOrKanbun(c)) {
            english = false;
        } else if (c > 0x20) {
            english = true;
        }
    }
    return english;
}

bool splitByLanguage(const std::wstring& text, std::vector<std::wstring>& runs) {
    const int length = static_cast<int>(text.size());
    const size_t firstRun = runs.size();
    int runStart = 0;
    int p = 0;
    bool known = false;
    bool language = false;
    bool firstIsEnglish = false;
    while (p < length) {
        p = skipWhitespace(text.c_str(), length, p, false);
        if (p >= length - 1) break;
        int e = NextPunctuation(text, p);
        if (e <= p) break;
        if (e < length && text[static_cast<size_t>(e)] == L'\n') ++e;
        const bool english = isEnglishText(text.substr(static_cast<size_t>(p), static_cast<size_t>(e - p)));
        if (!known) {
            known = true;
            language = english;
            firstIsEnglish = english;
        } else if (english != language) {
            runs.push_back(text.substr(static_cast<size_t>(runStart), static_cast<size_t>(p - runStart)));
            runStart = p;
            language = english;
        }
        p = e;
    }
    if (p > runStart) runs.push_back(text.substr(static_cast<size_t>(runStart)));
    if (runs.size() == firstRun && !text.empty()) runs.push_back(text);
    return firstIsEnglish;
}

std::wstring swapLanguageLines(const std::wstring& text, bool bySentence) {
    std::vector<std::wstring> runs;
    if (bySentence) {
        splitByLanguage(text, runs);
    } else {
        splitByCharacterClass(text, runs);
    }
    std::wstring out;
    size_t i = 0;
    for (; i + 1 < runs.size(); i += 2) {
        out += replaceAll(runs[i + 1], L"\r\n", L"");
        out += L"\r\n";
        out += replaceAll(runs[i], L"\r\n", L"");
        out += L"\r\n\r\n";
    }
    if (i < runs.size()) out += runs[i];
    return out;
}
