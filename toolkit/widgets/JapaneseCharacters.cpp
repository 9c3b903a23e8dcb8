#include "toolkit/widgets/JapaneseCharacters.h"

#include <algorithm>

namespace japanese {

bool needsRuby(const std::wstring& word) {
    return std::any_of(word.begin(), word.end(), [](wchar_t c) { return isKanji(c); });
}

bool isAllHiragana(const std::wstring& word) {
    return std::all_of(word.begin(), word.end(), [](wchar_t c) { return isHiragana(c); });
}

std::vector<std::wstring> splitKanaRuns(const std::wstring& word) {
    std::vector<std::wstring> runs;
    for (size_t i = 0; i < word.size();) {
        const bool kana = isHiragana(word[i]);
        size_t end = i + 1;
        while (end < word.size() && isHiragana(word[end]) == kana) ++end;
        runs.push_back(word.substr(i, end - i));
        i = end;
    }
    return runs;
}

std::wstring hiraganaToKatakana(const std::wstring& text) {
    std::wstring result = text;
    for (wchar_t& c : result) {
        if (c >= 0x3041 && c <= 0x3094) c = static_cast<wchar_t>(c + 0x60);
    }
    return result;
}

}  // namespace japanese
