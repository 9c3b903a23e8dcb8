// Where the main window gets the sentences of an audio file and writes them back: the
// sentence list beside the audio file, else its SYLT frame, else its USLT text.
#include "player/mainwindow/Corvanta.h"

#include "foundation/system/PathUtils.h"
#include "player/lyrics/SentenceGroup.h"
#include "player/mp3/LyricsFrameFile.h"

bool Corvanta::loadLyrics(const std::wstring& audioPath) {
    mLyricsTable.deleteAllItems();
    mSentenceView.clearAll();
    const std::wstring xmlPath = removeExtension(audioPath) + L".xml";
    if (fileExists(xmlPath) && readXmlLyrics(xmlPath)) return true;
    mLyricsPath = xmlPath;
    std::vector<LyricsLine> lines;
    if (readSyltLines(audioPath, lines)) {
        std::vector<SentenceGroup> groups;
        groups.reserve(lines.size());
        for (const LyricsLine& line : lines) groups.push_back({line.time, kUnsetTime, line.text, L"", L""});
        mRows.setSentenceGroups(groups);
        return true;
    }
    const std::wstring text = readUsltText(audioPath);
    if (!text.empty()) mRows.setLyricsText(text);
    return true;
}

bool Corvanta::readXmlLyrics(const std::wstring&) { return false; }

bool Corvanta::writeXmlLyrics() { return false; }
