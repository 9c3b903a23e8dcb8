#include "downloaders/news/NewsScraping.h"

#include "foundation/regex/Regexp.h"
#include "foundation/system/StringUtils.h"
#include "foundation/text/InnerText.h"

std::wstring getInnerText(const std::wstring& text, const std::wstring& startTag, const std::wstring& endTag,
                          size_t start) {
    std::wstring inner;
    findInnerText(text, startTag, endTag, start, inner);
    return inner;
}

std::wstring removeBlocks(const std::wstring& text, const std::wstring& opening, const std::wstring& closing) {
    if (opening.empty() || closing.empty()) return text;
    std::wstring kept;
    size_t from = 0;
    for (;;) {
        const size_t s = text.find(opening, from);
        if (s == std::wstring::npos) break;
        const size_t e = text.find(closing, s + opening.size());
        if (e == std::wstring::npos) break;
        kept.append(text, from, s - from);
        from = e + closing.size();
    }
    kept.append(text, from, std::wstring::npos);
    return kept;
}

std::wstring trim(const std::wstring& text, const std::wstring& leading, const std::wstring& trailing) {
    size_t first = leading.empty() ? 0 : text.find_first_not_of(leading);
    if (first == std::wstring::npos) return std::wstring();
    size_t end = text.size();
    if (!trailing.empty()) {
        const size_t last = text.find_last_not_of(trailing);
        end = last == std::wstring::npos ? 0 : last + 1;
    }
    return end > first ? text.substr(first, end - first) : std::wstring();
}

std::wstring replaceRegex(const std::wstring& text, const std::wstring& pattern, const std::wstring& replacement,
                          int flags) {
    const CRegexp regex(pattern, flags);
    if (!regex.match(text).isMatched()) return text;
    return regex.replace(text, replacement, -1, -1);
}

std::wstring removeTags(const std::wstring& text) {
    std::wstring kept;
    kept.reserve(text.size());
    size_t from = 0;
    size_t closing = 0;  // the first ">" at or after the place searched last
    size_t lineEnd = 0;  // the first line feed at or after the place searched last
    for (size_t i = text.find(L'<'); i != std::wstring::npos; i = text.find(L'<', i + 1)) {
        if (closing != std::wstring::npos && closing < i + 2) closing = text.find(L'>', i + 2);
        if (closing == std::wstring::npos) break;  // no tag can end any more
        if (lineEnd != std::wstring::npos && lineEnd <= i) lineEnd = text.find(L'\n', i + 1);
        if (lineEnd < closing) continue;  // this "<" opens no tag; a later one may
        kept.append(text, from, i - from);
        from = closing + 1;
        i = closing;
    }
    kept.append(text, from, std::wstring::npos);
    return kept;
}

std::vector<std::wstring> splitText(const std::wstring& text, const std::wstring& delimiter) {
    std::vector<std::wstring> pieces;
    splitStringInto(pieces, text, delimiter);
    if (!pieces.empty() && pieces.back().empty()) pieces.pop_back();
    return pieces;
}
