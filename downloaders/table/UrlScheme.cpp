#include "downloaders/table/UrlScheme.h"

namespace {

// A scheme: a letter, then letters, digits, "+", "-" or ".", then "://".
bool hasScheme(const std::wstring& url) {
    const size_t colon = url.find(L"://");
    if (colon == std::wstring::npos || colon == 0) return false;
    for (size_t i = 0; i < colon; ++i) {
        const wchar_t c = url[i];
        const bool letter = (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
        const bool other = (c >= L'0' && c <= L'9') || c == L'+' || c == L'-' || c == L'.';
        if (!letter && (i == 0 || !other)) return false;
    }
    return true;
}

}  // namespace

std::wstring withScheme(const std::wstring& url, const std::wstring& scheme) {
    return hasScheme(url) ? url : scheme + url;
}
