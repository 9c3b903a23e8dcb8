// Answers of the timed-text service as the caption downloader reads them: a track list
// whose tracks become request addresses, and a track whose text is cut into sentences.
#include <stdexcept>
#include <string>
#include <vector>

#include "downloaders/captions/CaptionSentences.h"
#include "downloaders/captions/TimedTextReader.h"
#include "downloaders/captions/TimedTextService.h"
#include "foundation/encoding/StringConversion.h"
#include "fuzz/FuzzTarget.h"

namespace {

void readTimedText(const uint8_t* data, size_t size) {
    const std::wstring answer = utf8ToWString(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<CaptionTrack> tracks;
    readCaptionTracks(answer, tracks);
    for (const CaptionTrack& track : tracks) {
        // Whatever the list holds, a track's address stays one query of plain characters.
        const std::wstring url = captionTrackUrl(L"127.0.0.1", track, L"id");
        if (url.find_first_of(L" #\r\n") != std::wstring::npos) throw std::runtime_error("unencoded track address");
    }
    const std::wstring caption = readCaptionText(answer);
    size_t total = 0;
    for (const std::wstring& sentence : splitCaptionSentences(caption)) total += sentence.size();
    if (total > caption.size()) throw std::runtime_error("sentences longer than their caption");
}

const std::vector<std::string> kTimedTextTokens = {
    "<?xml version=\"1.0\" encoding=\"utf-8\" ?>", "<transcript>", "</transcript>", "<text start=\"1.5\" dur=\"2\">",
    "</text>", "<transcript_list docid=\"1\">", "</transcript_list>", "<track id=\"0\" name=\"\" lang_code=\"en\" ",
    "lang_original=\"English\" />", "&amp;#39;", "&amp;quot;", "&#10;", "\n", "\r\n", ". ", "? ", "Mr. ", "\\n",
    "\xE3\x80\x82", "&"};

FuzzTargetRegistration timedText({"timed-text", readTimedText, kTimedTextTokens, {}});

}  // namespace
