#include "texteditor/editor/LineColors.h"

#include <algorithm>

#include "foundation/regex/Regexp.h"

bool isAsciiLetterOrUnderscore(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'_'; }

namespace {

bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

bool startsWith(const std::wstring& text, size_t pos, const wchar_t* prefix) {
    return text.compare(pos, std::char_traits<wchar_t>::length(prefix), prefix) == 0;
}

const CRegexp& urlPattern() {
    static const CRegexp pattern(L"http(s)?://([\\w-]+\\.)+[\\w-]+(/[\\w-./?%&=]*)?", IGNORECASE);
    return pattern;
}

const SyntaxStyle* find(const SyntaxStyleTable& styles, const std::wstring& key) {
    const auto it = styles.find(key);
    return it == styles.end() ? nullptr : &it->second;
}

}  // namespace

std::wstring scanToken(const std::wstring& text, int pos) {
    const int length = static_cast<int>(text.size());
    if (pos < 0 || pos >= length) return std::wstring();
    const wchar_t c = text[pos];
    if (startsWith(text, static_cast<size_t>(pos), L"http://")) {
        // Only an address that starts right here counts; a later one is a token of its own.
        const MatchResultT match = urlPattern().match(text, pos);
        if (match.isMatched() && match.getStart() == pos) return text.substr(pos, match.getEnd() - match.getStart());
    }
    if (isAsciiLetterOrUnderscore(c) || isDigit(c)) {
        int end = pos;
        while (end < length && (isAsciiLetterOrUnderscore(text[end]) || isDigit(text[end]))) ++end;
        return text.substr(pos, end - pos);
    }
    if (c == L'/' && pos + 1 < length && text[pos + 1] == L'/') return text.substr(pos);
    if (c == L'\\') return text.substr(pos, 2);
    if (c == L'"') {
        int end = pos + 1;
        while (end < length && text[end] != L'"') end += text[end] == L'\\' ? 2 : 1;
        return text.substr(pos, std::min(end + 1, length) - pos);
    }
    return std::wstring();
}

void applySyntaxStyles(const std::wstring& line, const SyntaxStyleTable& styles, const CellColors& plain,
                       std::vector<CellColors>& cells) {
    const size_t count = line.size();
    cells.assign(count, plain);
    if (styles.empty()) return;
    const SyntaxStyle* number = find(styles, L"_NUMBER");
    size_t i = 0;
    while (i < count) {
        const std::wstring token = scanToken(line, static_cast<int>(i));
        if (token.empty()) {
            ++i;
            continue;
        }
        const SyntaxStyle* entry = find(styles, token);
        if (startsWith(token, 0, L"//")) {
            entry = find(styles, L"//");
        } else if (token[0] == L'"') {
            entry = find(styles, L"\"");
        } else if (startsWith(token, 0, L"http://")) {
            entry = find(styles, L"http://");
        } else if (number && isDigit(token[0])) {
            entry = number;
        }
        const CellColors colors = entry ? CellColors{entry->textColor, plain.background, 1} : plain;
        const size_t end = std::min(count, i + token.size());
        std::fill(cells.begin() + static_cast<std::ptrdiff_t>(i), cells.begin() + static_cast<std::ptrdiff_t>(end),
                  colors);
        i = end;
    }
}

namespace {

void mark(std::vector<CellColors>& cells, size_t from, size_t to, COLORREF text, COLORREF background) {
    for (size_t i = from; i < to && i < cells.size(); ++i) {
        cells[i].text = text;
        cells[i].background = background;
    }
}

std::wstring lowerCase(std::wstring text) {
    if (!text.empty()) ::CharLowerBuffW(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

}  // namespace

void applyFindHighlight(const std::wstring& line, const FindInfo& find, COLORREF text, COLORREF background,
                        std::vector<CellColors>& cells) {
    if (find.pattern.empty() || line.empty()) return;
    const bool ignoreCase = (find.flags & FindInfo::kIgnoreCase) != 0;
    if ((find.flags & FindInfo::kRegularExpression) == 0) {
        // The find pane's case box rules the marks as it rules the search itself.
        const std::wstring haystack = ignoreCase ? lowerCase(line) : line;
        const std::wstring needle = ignoreCase ? lowerCase(find.pattern) : find.pattern;
        for (size_t p = haystack.find(needle); p != std::wstring::npos; p = haystack.find(needle, p + needle.size())) {
            mark(cells, p, p + needle.size(), text, background);
        }
        return;
    }
    const CRegexp pattern(find.pattern, ignoreCase ? IGNORECASE : NO_FLAG);
    const int length = static_cast<int>(line.size());
    int start = 0;
    while (start <= length) {
        const MatchResultT match = pattern.match(line, start);
        if (!match.isMatched() || match.getStart() < 0) break;
        const int from = match.getStart();
        const int to = std::max(match.getEnd(), from);
        mark(cells, static_cast<size_t>(from), static_cast<size_t>(to), text, background);
        // An empty match would be found again at the same place: step over one character.
        start = std::max(to > from ? to : from + 1, start + 1);
    }
}
