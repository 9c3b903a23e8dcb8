#include "downloaders/voa/TextBetween.h"

std::wstring extractBetween(const std::wstring& text, const std::wstring& startMarker, const std::wstring& endMarker,
                            size_t from, bool toEnd) {
    size_t start = text.find(startMarker, from);
    if (start == std::wstring::npos) return std::wstring();
    start += startMarker.size();
    const size_t end = endMarker.empty() ? std::wstring::npos : text.find(endMarker, start);
    if (end == std::wstring::npos) return toEnd ? text.substr(start) : std::wstring();
    return text.substr(start, end - start);
}
