// Reading and writing the sentence-list file of the open audio file.
#include "player/lyrics/LyricsLoader.h"

#include "foundation/system/MessageBoxes.h"
#include "foundation/system/PathResolution.h"
#include "foundation/system/PathUtils.h"
#include "foundation/encoding/TextFile.h"
#include "foundation/xml/XMLParser.h"
#include "player/audio/SameFile.h"
#include "player/lyrics/LyricsTextEditor.h"
#include "player/lyrics/SentenceListFile.h"
#include "player/mp3/ID3TagModel.h"
#include "player/mp3/LyricsFrameFile.h"

namespace {

const wchar_t kParseFailed[] = L"\nCouldn't parse this file.";
const wchar_t kWriteFailed[] = L"\r\nファイルの作成に失敗しました。";

// The file's creation date in local time, for a list that carries no id3 date.
void setDateFromCreation(ID3TagModel& id3, const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    FILETIME local{};
    SYSTEMTIME date{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
        !::FileTimeToLocalFileTime(&data.ftCreationTime, &local) || !::FileTimeToSystemTime(&local, &date)) {
        return;
    }
    id3.setYear(date.wYear);
    id3.setMonth(date.wMonth);
    id3.setDay(date.wDay);
}

void clearTexts(ID3TagModel& id3) {
    id3.setTitle(L"");
    id3.setDescription(L"");
    id3.setOfficialSite(L"");
    id3.setSourceUrl(L"");
    id3.setCategory(L"");
}

}  // namespace

bool LyricsLoader::locateAudio(const std::wstring& xmlPath, const std::wstring& audio) {
    // The attribute is relative to the list's folder, and so is the chooser's start.
    CurrentDirectoryScope inListFolder(getDirectory(xmlPath));
    std::wstring& audioPath = mTargets.audioPath;
    audioPath = audio;
    const std::wstring full = getFullPath(audio);
    if (!audio.empty() && fileExists(full)) {
        audioPath = full;
    } else {
        audioPath = mChooseAudio ? mChooseAudio() : std::wstring();
    }
    return readId3(audioPath, mTargets.tag);
}

bool LyricsLoader::readXmlLyrics(const std::wstring& xmlPath) {
    SentenceListContent content;
    {
        XMLParser parser;
        if (!parser.parseFile(xmlPath) || parser.getRootElement() == nullptr) {
            showMessageW(xmlPath + kParseFailed);
            return false;
        }
        if (!readSentenceList(*parser.getRootElement(), content)) return false;
    }
    if (!fileExists(mTargets.audioPath) && !locateAudio(xmlPath, content.audio)) return false;

    mTargets.sentenceListPath = xmlPath;
    mListUnread = false;
    mTargets.wordList.clear();
    if (content.hasWordList) mTargets.wordList = content.wordList;
    if (content.hasId3) {
        mTargets.id3 = content.id3;
    } else {
        clearTexts(mTargets.id3);
        setDateFromCreation(mTargets.id3, xmlPath);
    }
    mTargets.rows.setSentenceGroups(content.groups);
    return true;
}

bool LyricsLoader::writeXmlLyrics() {
    std::vector<SentenceListRow> rows;
    const int count = mTargets.editor.getSentenceCount();
    rows.reserve(static_cast<size_t>(count));
    for (int row = 0; row < count; ++row) {
        const SentenceRows& cells = mTargets.rows;
        rows.push_back({cells.getStartText(row), cells.getEndText(row), cells.getSentence(row),
                        cells.getTranslation(row), cells.getExplanation(row)});
    }
    const std::wstring& path = mTargets.sentenceListPath;
    const std::wstring text = buildSentenceListXml(audioPathForSentenceList(mTargets.audioPath, path),
                                                   mTargets.wordList, mTargets.id3, rows);
    if (!writeTextFile(path, text, kEncodingUtf16Le)) {
        showMessageW(path + kWriteFailed);
        return false;
    }
    return true;
}
