// Play, pause, stop and playing one sentence; the two timers that poll the player and
// follow its position through the sentences.
#include "app/mainwindow/Corvanta.h"

#include "player/lyrics/TimeText.h"
#include "app/mainwindow/PlaybackPosition.h"

namespace {

bool isPlayText(const std::wstring& text) { return text == L"Play"; }

}  // namespace

bool Corvanta::isStopped() { return !mPlayer.isPlaying() && !mPlayer.isPaused(); }

void Corvanta::stopPlayback() {
    mPlayer.stop();
    ::KillTimer(m_hWnd, kSentenceTimer);
    updateButtons();
}

void Corvanta::togglePlay() {
    if (isPlayText(mPlayButton.getText())) {
        mPlayer.setPosition(static_cast<unsigned>(mTimeSlider.getValue()) * 10);
        if (mPlayer.isPaused()) {
            mPlayer.resume();
        } else {
            if (!mPlayer.play()) return;
            applyPlayerSettings();
            updateButtons();
            ::SetTimer(m_hWnd, kPlaybackTimer, kTimerMs, nullptr);
        }
        mPlayButton.setText(L"Pause");
    } else {
        mPlayer.pause();
        mPlayButton.setText(L"Play");
    }
}

void Corvanta::playSelectedSentence() {
    stopPlayback();
    int row = mRows.getSelectedRow();
    if (row < 0 || !isStopped()) return;
    uint32_t start = getRowStartTime(row);
    uint32_t end = getRowEndTime(row);
    // A row without a time plays from the nearest earlier row that has one.
    while (start == 0 && row > 0) {
        --row;
        start = getRowStartTime(row);
    }
    if (end == kUnsetTime) end = getRowStartTime(row + 1);
    if (start >= end) end = audioLength();
    if (!mPlayer.play()) return;
    mPlayer.setPosition(start);
    applyPlayerSettings();
    updateButtons();
    mPlayButton.setEnabled(false);
    mPlayingStart = start;
    mPlayingEnd = end;
    ::SetTimer(m_hWnd, kSentenceTimer, kTimerMs, nullptr);
}

bool Corvanta::onTimer(WPARAM wParam, LPARAM) {
    if (wParam == kPlaybackTimer && isStopped()) {
        ::KillTimer(m_hWnd, kPlaybackTimer);
        mPlayButton.setText(L"Play");
        mPlayButton.repaint();
        updateButtons();
        mPlayer.setPosition(0);
        mTimeSlider.repaint();
    } else if (wParam == kSentenceTimer) {
        const uint32_t position = mPlayer.getPosition();
        if (isStopped() || position < mPlayingStart || position > mPlayingEnd) stopPlayback();
    }
    // A paused player leaves every tick without effect.
    if (!mPlayer.isPaused()) {
        mTimeSlider.setValue(static_cast<int>(mPlayer.getPosition() / 10));
        followPosition();
    }
    return true;
}

void Corvanta::followPosition() {
    uint32_t position = static_cast<uint32_t>(mTimeSlider.getValue()) * 10;
    if (!isPlayText(mPlayButton.getText())) {
        position = mPlayer.getPosition();
        mTimeSlider.setValue(static_cast<int>(position / 10));
        mTimeSlider.repaint();
        mTimeSlider.update();
        const int index = findSentenceIndex(position);
        if (index != -1) showSentence(index);
    }
    const std::wstring label = formatPositionLabel(position, audioLength());
    if (label != mPositionLabel.getText()) {
        mPositionLabel.setText(label);
        mPositionLabel.repaint();
    }
}

int Corvanta::findSentenceIndex(uint32_t position) const {
    return ::findSentenceIndex(mSentenceView.getSentenceData(), position);
}

uint32_t Corvanta::currentTime() {
    if (!isStopped()) return mPlayer.getPosition();
    return static_cast<uint32_t>(mTimeSlider.getValue()) * 10;
}
