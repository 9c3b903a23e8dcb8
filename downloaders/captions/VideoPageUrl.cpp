#include "downloaders/captions/VideoPageUrl.h"

namespace {

const wchar_t kWatchPath[] = L"/watch?v=";
const wchar_t kVideoSiteHost[] = L"youtube.com";

}  // namespace

bool isVideoPageUrl(const std::wstring& url) {
    return url.find(std::wstring(kVideoSiteHost) + kWatchPath) != std::wstring::npos;
}

std::wstring videoIdOf(const std::wstring& url) {
    const size_t watch = url.find(kWatchPath);
    if (watch == std::wstring::npos) return L"";
    const size_t start = watch + (sizeof kWatchPath / sizeof kWatchPath[0]) - 1;
    const size_t end = url.find_first_of(L"&/", start);
    return url.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
}
