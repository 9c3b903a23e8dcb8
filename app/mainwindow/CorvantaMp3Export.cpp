// "Save As MP3": the open file re-encoded at the player's tempo, pitch and volume, with
// the sentences embedded as timed lyrics scaled to that tempo.
#include "app/mainwindow/Corvanta.h"

#include <vector>

#include "foundation/system/FileDialogs.h"
#include "foundation/system/PathUtils.h"
#include "player/audio/ConvertingDialog.h"
#include "player/mp3/SyltFrameWriter.h"

bool Corvanta::saveAsMp3WithLyrics() {
    const std::wstring destination =
        showSaveFileDialog(m_hWnd, L"Save As MP3", L"Audio File (.mp3)|*.mp3;", getFileName(mAudioPath), L"mp3");
    if (destination.empty()) return false;
    return exportMp3To(destination);
}

bool Corvanta::exportMp3To(const std::wstring& destination) {
    // The copy holds the name while the encoder works; the finished MP3 replaces it.
    // Whatever this export made goes again if it does not end with the MP3.
    const bool copied = ::CopyFileW(mAudioPath.c_str(), destination.c_str(), TRUE) != FALSE;
    // The fields are what the learner sees and what the lyrics are scaled by, so the
    // audio is encoded with exactly those values too.
    applyPlayerSettings();
    if (!mPlayer.saveAsMp3(destination)) {
        if (copied) ::DeleteFileW(destination.c_str());
        return false;
    }
    ConvertingDialog dialog(&mPlayer);
    const bool encoded = showModalDialog(m_hWnd, dialog);
    if (encoded) {
        std::vector<LyricsLine> sentences;
        const int rows = mLyricsTable.getItemCount();
        // The sentence's own start, in milliseconds: the Start cell shows it cut to 10 ms.
        for (int row = 0; row < rows; ++row) {
            sentences.push_back({mSentenceView.getStartTime(row), mRows.getSentence(row)});
        }
        if (writeSyltFrame(destination, sentences, mTempoField.getValue(), mId3Manager, m_hWnd)) return true;
    }
    // Cancelled (a partial MP3), the lyrics not written, or the encoder failed (which
    // leaves only this export's copy, if any).
    if (dialog.isOutputInPlace() || copied) ::DeleteFileW(destination.c_str());
    return false;
}
