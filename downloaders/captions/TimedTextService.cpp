#include "downloaders/captions/TimedTextService.h"

#include "downloaders/captions/TimedTextReader.h"
#include "foundation/http/PercentEncoding.h"
#include "player/settings/Settings.h"

std::wstring timedTextHost() { return readIniString(L"Youtube", L"TimedTextHost", L"video.google.com"); }

std::wstring captionTrackListUrl(const std::wstring& host, const std::wstring& videoId) {
    return L"http://" + host + L"/timedtext?type=list&v=" + videoId;
}

std::wstring captionTrackUrl(const std::wstring& host, const CaptionTrack& track, const std::wstring& videoId) {
    const std::wstring language = percentEncode(track.languageCode);
    return L"http://" + host + L"/timedtext?hl=" + language + L"&lang=" + language + L"&name=" +
           percentEncode(track.name) + L"&v=" + videoId;
}
