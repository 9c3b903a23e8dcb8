#include "toolkit/widgets/RubyMarkup.h"

#include <vector>

#include "toolkit/widgets/JapaneseCharacters.h"

namespace ruby {

namespace {

std::wstring group(const std::wstring& base, const std::wstring& reading) {
    return kBar + base + kOpenReading + reading + kCloseReading;
}

}  // namespace

std::wstring htmlRuby(const std::wstring& base, const std::wstring& reading) {
    return L"<ruby><rb>" + base + L"</rb><rp>(</rp><rt>" + reading + L"</rt><rp>)</rp></ruby>";
}

std::wstring aozoraRuby(const std::wstring& base, const std::wstring& reading) {
    std::wstring core = base;
    std::wstring coreReading = reading;
    std::wstring prefix;
    std::wstring suffix;
    // Kana around the kanji stays outside the mark-up, and leaves the reading with it.
    // A reading that runs out first does not belong to this base: mark the word whole.
    while (!core.empty() && japanese::isHiragana(core.front())) {
        if (coreReading.size() <= 1) return group(base, reading);
        prefix += core.front();
        core.erase(0, 1);
        coreReading.erase(0, 1);
    }
    while (!core.empty() && japanese::isHiragana(core.back())) {
        if (coreReading.size() <= 1) return group(base, reading);
        suffix.insert(suffix.begin(), core.back());
        core.pop_back();
        coreReading.pop_back();
    }

    const std::vector<std::wstring> runs = japanese::splitKanaRuns(core);
    if (runs.size() == 3) {
        const size_t kana = coreReading.empty() ? std::wstring::npos : coreReading.find(runs[1], 1);
        if (kana != std::wstring::npos) {
            return prefix + group(runs[0], coreReading.substr(0, kana)) + runs[1] +
                   group(runs[2], coreReading.substr(kana + runs[1].size())) + suffix;
        }
    }
    return prefix + group(core, coreReading) + suffix;
}

}  // namespace ruby

void stripRubyMarks(std::wstring& text) {
    using namespace ruby;
    std::wstring result;
    result.reserve(text.size());
    bool inReading = false;
    for (wchar_t c : text) {
        if (inReading) {
            if (c == kCloseReading) inReading = false;
        } else if (c == kOpenReading) {
            inReading = true;
        } else if (c != kBar) {
            result += c;
        }
    }
    text.swap(result);
}
