// The questions asked before the sentences are saved or rebuilt, and the dialog that
// finds a sentence list's missing audio file.
#include "foundation/system/FileDialogs.h"
#include "foundation/system/MessageBoxes.h"
#include "foundation/system/PathUtils.h"
#include "player/lyrics/LyricsLoader.h"
#include "player/lyrics/LyricsTextEditor.h"

namespace {

const wchar_t kSaveCaption[] = L"Save as XML file";
const wchar_t kReloadCaption[] = L"Do you reload lyrics?";
const wchar_t kReloadQuestion[] = L"歌詞を再読み込みしますか？";

}  // namespace

bool LyricsLoader::saveLyrics(HWND owner) {
    if (mTargets.audioPath.empty()) return true;
    if (mListUnread) {
        if (!confirmSentenceListPath(owner)) return true;
    } else {
        const std::wstring question = L"歌詞を " + getFileName(mTargets.sentenceListPath) + L" に上書き保存しますか？";
        if (showMessageBox(owner, question, kSaveCaption, MB_YESNO) != IDYES) return true;
    }
    if (!writeXmlLyrics()) return false;
    mModified = false;
    mTargets.editor.setModified(false);
    return true;
}

bool LyricsLoader::confirmSentenceListPath(HWND owner) {
    if (!mListUnread) return true;
    const std::wstring chosen =
        showSaveFileDialog(owner, kSaveCaption, L"XML File|*.xml", mTargets.sentenceListPath, L"xml");
    if (chosen.empty()) return false;
    mTargets.sentenceListPath = chosen;
    mListUnread = false;
    return true;
}

bool LyricsLoader::reloadLyrics(HWND owner) {
    if (showMessageBox(owner, kReloadQuestion, kReloadCaption, MB_YESNO) != IDYES) return false;
    mTargets.rows.setLyricsText(mTargets.editor.getTextCopy());
    if (mHost != nullptr) {
        mHost->selectRow(0);
    } else {
        mTargets.rows.showRow(0);
    }
    return true;
}

std::wstring chooseAudioFile(HWND owner) {
    return showOpenFileDialog(owner, L"Audio File (*.ogg,*.mp3,*.wma)", L"");
}
