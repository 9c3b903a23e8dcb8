// The lyrics lines of an audio file's ID3 tag: the timed lines of its SYLT frame and the
// text of its USLT frame, read through the tag reader of player/mp3. The .lrc export
// keeps its player formats beside these lines and writes them as an .lrc file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "player/lyrics/CorvantaHeader.h"

class Element;

class LyricsInfoManager {
public:
    // Empties the times and the texts.
    void clear();
    int getCount() const { return static_cast<int>(texts.size()); }
    // Text i, or an empty text past the end.
    std::wstring getText(int i) const;
    // Time i in milliseconds, or 0 past the end.
    uint32_t getTime(int i) const;

    // Replaces the lines by those of the file's SYLT ("SLT") frame. False, without
    // lines, when the file can't be opened or has no tag or no such frame; a frame
    // without lines answers true.
    bool readSyltTag(const std::wstring& audioPath);
    // The text of the file's USLT ("ULT") frame; empty when there is none.
    std::wstring getUltTagText(const std::wstring& audioPath) const;

    int getPlayerFormatIndex() const { return playerFormatIndex; }
    void setPlayerFormatIndex(int index) { playerFormatIndex = index; }

    // Replaces the player formats by the "PlayerFormat" elements below the root or, when
    // there are none, its "Format" elements; true when at least one was read.
    bool loadPlayerFormats(const Element& root);
    const std::vector<CorvantaHeader>& getPlayerFormats() const { return playerFormats; }
    // The lines of an .lrc file: each text starts at its time and lasts until the next
    // time; the times hold one more entry than the texts, the end of the audio.
    void setEntries(const std::vector<std::wstring>& newTexts, const std::vector<uint32_t>& newTimes);
    // Writes the lines in the chosen player format to the path with its extension
    // replaced by ".lrc". False, with no file left, for a format without a name or
    // with the "Binary" encoding, no lines, or a file that can't be written.
    bool writeLrc(const std::wstring& path) const;

private:
    int playerFormatIndex = 0;
    std::vector<CorvantaHeader> playerFormats;
    std::vector<uint32_t> times;
    std::vector<std::wstring> texts;
};
