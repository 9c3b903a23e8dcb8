// Finding the sentences of an audio file: its sentence-list file, its SYLT lines, its
// USLT text, in that order.
#include <vector>

#include "foundation/system/PathUtils.h"
#include "foundation/xml/Element.h"
#include "player/lyrics/LyricsInfoManager.h"
#include "player/lyrics/LyricsLoader.h"
#include "player/lyrics/SentenceGroup.h"

bool LyricsLoader::loadLyrics(const std::wstring& audioPath) {
    mTargets.rows.setSentenceGroups({});
    // The words belong to the file the sentences came from: a file without a sentence
    // list must not take over, and later save, the words of the one opened before.
    mTargets.wordList.clear();
    const std::wstring xmlPath = removeExtension(audioPath) + L".xml";
    const bool listExists = fileExists(xmlPath);
    if (listExists && readXmlLyrics(xmlPath)) return true;

    // A later save writes the sentences found here beside the audio file; over a file
    // that is there but could not be read only when the learner chooses it.
    mTargets.sentenceListPath = xmlPath;
    mListUnread = listExists;
    LyricsInfoManager lyrics;
    if (lyrics.readSyltTag(audioPath)) {
        std::vector<SentenceGroup> groups(static_cast<size_t>(lyrics.getCount()));
        for (int i = 0; i < lyrics.getCount(); ++i) {
            groups[static_cast<size_t>(i)].start = lyrics.getTime(i);
            groups[static_cast<size_t>(i)].sentence = lyrics.getText(i);
        }
        mTargets.rows.setSentenceGroups(groups);
        return true;
    }
    const std::wstring text = lyrics.getUltTagText(audioPath);
    if (!text.empty()) mTargets.rows.setLyricsText(text);
    return true;
}
