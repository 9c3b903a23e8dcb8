// Opening an audio file (or a sentence list naming one) with its sentences, and what is
// left when that fails.
#include "app/mainwindow/Corvanta.h"

#include <shlwapi.h>

#include "player/mp3/LyricsFrameFile.h"

bool Corvanta::openFile(const std::wstring& path) { return askToSaveChanges() && openAskedFile(path); }

bool Corvanta::openAskedFile(const std::wstring& path) {
    try {
        return openFileSteps(path);
    } catch (...) {
        endWithoutFile();
        return false;
    }
}

bool Corvanta::openFileSteps(const std::wstring& path) {
    if (mPlayer.isPlaying() || mPlayer.isPaused()) {
        mPlayer.stop();
        ::KillTimer(m_hWnd, kPlaybackTimer);
        ::KillTimer(m_hWnd, kSentenceTimer);
        mPlayButton.setText(L"Play");
    }
    const bool sentenceList = ::lstrcmpiW(::PathFindExtensionW(path.c_str()), L".xml") == 0;
    const std::wstring keptAudioPath = mAudioPath;
    mAudioPath.clear();
    if (sentenceList) {
        // The reader takes the audio path from the file and leaves the sentences as they
        // were when it answers false.
        if (!readXmlLyrics(path)) {
            mAudioPath = keptAudioPath;
            return false;
        }
    } else {
        mAudioPath = path;
        if (!readId3(mAudioPath)) {
            mAudioPath = keptAudioPath;
            return false;
        }
        loadLyrics(mAudioPath);
    }
    // The lesson's text is where the view's history starts, as an edit control's does
    // after its text is set: an undo right after opening must not empty the view.
    mSentenceView.getHistory().clear();
    if (!mPlayer.open(mAudioPath)) {
        // The sentences and the sentence-list path are the new file's by now: none of it
        // may be saved over either file.
        endWithoutFile();
        return false;
    }

    setModified(false);
    rememberRecentFile(path);
    mPlayer.setPosition(0);
    mTimeSlider.setValue(0);
    mTimeSlider.setRange(0, static_cast<int>(audioLength() / 10));
    mTimeSlider.repaint();
    showSentence(0);
    selectRow(0);
    updateTitle();
    followPosition();
    updateButtons();
    repaint();
    return true;
}

void Corvanta::endWithoutFile() {
    mAudioPath.clear();
    mLyricsPath.clear();
    setModified(false);
    mPlayButton.setEnabled(false);
    mStopButton.setEnabled(false);
    updateTitle();
    repaint();
}

bool Corvanta::readId3(const std::wstring& audioPath) { return ::readId3(audioPath, mId3Manager); }

uint32_t Corvanta::audioLength() const {
    const long long length = mPlayer.getLength();
    return length <= 0 ? 0 : length >= 0xFFFFFFFFLL ? 0xFFFFFFFEu : static_cast<uint32_t>(length);
}
