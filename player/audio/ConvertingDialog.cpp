#include "player/audio/ConvertingDialog.h"

#include "player/audio/BassPlayer.h"

int conversionPercent(unsigned long long position, unsigned long long length) {
    if (length == 0) return 0;
    // In 64 bits: position * 100 passes 2^32 after about 12 hours.
    return static_cast<int>(position * 100 / length);
}

std::wstring conversionProgressText(unsigned long long position, unsigned long long length) {
    return std::to_wstring(position) + L"/" + std::to_wstring(length);
}

bool ConvertingDialog::createContents() {
    setTitle(L"Converting");
    mBar.create(m_hWnd, 8, 8, 300, 20);
    createButtons(kCancelId);
    centreOnDesktop(320, 110);
    ::SetTimer(m_hWnd, kTimerId, kTimerMs, nullptr);
    return true;
}

bool ConvertingDialog::onTimer(WPARAM wParam, LPARAM) {
    if (wParam != kTimerId || mStopped) return true;
    if (mPlayer->encodeStep()) {
        const unsigned long long length = mPlayer->getLength() > 0 ? mPlayer->getLength() : 0;
        const unsigned long long position = mPlayer->getPosition();
        mBar.setValue(conversionPercent(position, length));
        mBar.setText(conversionProgressText(position, length));
        mBar.repaint();
        return true;
    }
    // The source is exhausted: only an encoder that finished well goes on to the lyrics.
    close(stop() ? kOkId : kCancelId);
    return true;
}

bool ConvertingDialog::onCancel() {
    stop();
    return true;
}

bool ConvertingDialog::onClose() {
    // The close box ends the run as Cancel does: the encoder must not be left running.
    stop();
    return true;
}

bool ConvertingDialog::stop() {
    if (mStopped) return false;
    mStopped = true;
    if (m_hWnd) ::KillTimer(m_hWnd, kTimerId);
    mOutputInPlace = mPlayer->stopEncoding();
    return mOutputInPlace;
}
