// The two requests of the video site's timed-text service: the list of a video's caption
// tracks, and one track. The service is reached over plain HTTP on a host kept in the
// settings, so that it can be moved (and tests can serve it from this machine).
#pragma once

#include <string>

struct CaptionTrack;

// The host (with an optional ":port") from section "Youtube", key "TimedTextHost".
std::wstring timedTextHost();

// "http://" + host + "/timedtext?type=list&v=" + the video id.
std::wstring captionTrackListUrl(const std::wstring& host, const std::wstring& videoId);
// "http://" + host + "/timedtext?hl=LANG&lang=LANG&name=NAME&v=" + the video id, the
// track's language code and name percent-encoded: a name may hold blanks, "&" or "#".
std::wstring captionTrackUrl(const std::wstring& host, const CaptionTrack& track, const std::wstring& videoId);
