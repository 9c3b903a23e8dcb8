// Reading the timed-text service's answers: the track list of a video and the caption
// text of one track. Both are XML; a damaged answer reads as an empty one.
#pragma once

#include <string>
#include <vector>

// One "track" element of a track list.
struct CaptionTrack {
    std::wstring title;         // "lang_original": the language as its speakers write it
    std::wstring name;          // "name": the track's own name, often empty
    std::wstring languageCode;  // "lang_code"
};

// Every "track" element of the list in document order, missing attributes empty. False
// when the answer is no XML document.
bool readCaptionTracks(const std::wstring& listXml, std::vector<CaptionTrack>& tracks);

// The text of every "text" element in document order, each followed by one space, with
// its character references decoded and each line break turned into a space. The timing
// attributes are not read. Empty for an answer that is no XML document.
std::wstring readCaptionText(const std::wstring& trackXml);
