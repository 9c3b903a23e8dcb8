// The modal "Converting" dialog of the MP3 export: it pumps the player's encoder from a
// 10 ms timer, so that the window stays responsive between steps, and shows the progress
// as a bar with "position/length" in milliseconds. It closes itself with OK once the
// encoder has put its finished MP3 in place; Cancel, the close box and a failed encoder
// end it as cancelled.
#pragma once

#include <string>

#include "toolkit/widgets/ProgressBar.h"
#include "toolkit/window/Dialog.h"

class BassPlayer;

// The bar's percentage: 0 for a length of 0, and no overflow for long files.
int conversionPercent(unsigned long long position, unsigned long long length);
// The bar's text, "position/length".
std::wstring conversionProgressText(unsigned long long position, unsigned long long length);

class ConvertingDialog : public Dialog {
public:
    enum : UINT_PTR { kTimerId = 1 };
    static constexpr UINT kTimerMs = 10;

    // The player is not owned; its encoder must have been started.
    explicit ConvertingDialog(BassPlayer* player) : mPlayer(player) {}

    bool createContents() override;
    bool onCancel() override;
    bool onClose() override;
    bool onTimer(WPARAM wParam, LPARAM lParam) override;

    ProgressBar& getProgressBar() { return mBar; }
    // Whether the encoder's file was put at the output path: after a finished run, and
    // after a cancelled one (a partial MP3); not when the encoder failed.
    bool isOutputInPlace() const { return mOutputInPlace; }

private:
    // Ends the encoder; its result tells whether a finished MP3 is in place.
    bool stop();

    BassPlayer* mPlayer;
    ProgressBar mBar;
    bool mStopped = false;
    bool mOutputInPlace = false;
};
