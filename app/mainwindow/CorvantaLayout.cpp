// Placing the main window's controls for its client size.
#include "app/mainwindow/Corvanta.h"

#include "app/mainwindow/MainWindowLayout.h"

LRESULT Corvanta::onSize(WPARAM, LPARAM) {
    const RECT client = getClientRect();
    layOut(client.right, client.bottom);
    return 0;
}

void Corvanta::layOut(int width, int height) {
    if (!mChannelPane.m_hWnd) return;
    const int upper = height - kMainWindowLowerHeight;
    // The pane fixes its own width within the area it is given.
    mChannelPane.setBounds(0, 0, width, upper);
    MainWindowControlSizes sizes;
    sizes.channelPaneWidth = mChannelPane.getWidth();
    sizes.tempoFieldWidth = mTempoField.getWidth();
    sizes.pitchFieldWidth = mPitchField.getWidth();
    sizes.positionLabelWidth = mPositionLabel.getWidth();
    sizes.playButtonWidth = mPlayButton.getWidth();
    sizes.stopButtonWidth = mStopButton.getWidth();
    sizes.volumeSliderWidth = mVolumeSlider.getWidth();
    sizes.explanationVisible = isExplanationShown();
    const MainWindowLayout layout = computeMainWindowLayout(width, height, sizes);

    auto place = [](BaseWindow& window, const Rect& r) { window.setBounds(r.x, r.y, r.width, r.height); };
    place(mSentenceView, layout.sentenceView);
    place(mExplanationPane, layout.explanationPane);
    place(mToolBand, layout.toolBand);
    mTempoField.setLocation(layout.tempoField.x, layout.tempoField.y);
    mPitchField.setLocation(layout.pitchField.x, layout.pitchField.y);
    place(mTranslationField, layout.translationField);
    mMenuButton.setLocation(layout.menuButton.x, layout.menuButton.y);
    mPlayButton.setLocation(layout.playButton.x, layout.playButton.y);
    mStopButton.setLocation(layout.stopButton.x, layout.stopButton.y);
    place(mTimeSlider, layout.timeSlider);
    mVolumeSlider.setLocation(layout.volumeSlider.x, layout.volumeSlider.y);
    mPositionLabel.setLocation(layout.positionLabel.x, layout.positionLabel.y);
}

bool Corvanta::isExplanationShown() const {
    return mExplanationPane.m_hWnd && (::GetWindowLongW(mExplanationPane.m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
}
