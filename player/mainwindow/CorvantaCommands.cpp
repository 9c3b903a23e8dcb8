// The commands the main window's own controls send: open, play, pause, stop, play one
// sentence, set a start time, save, jump ahead and the explanation pane's button.
#include "player/mainwindow/Corvanta.h"

#include <shlwapi.h>

#include "foundation/system/FileDialogs.h"
#include "player/lyrics/PlayListReading.h"

bool Corvanta::onCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const HWND control = reinterpret_cast<HWND>(lParam);
    if (control && (control == mPitchField.m_hWnd || control == mTempoField.m_hWnd ||
                    control == mFontSizeField.m_hWnd)) {
        onScroll(control);
        return true;
    }
    mLastCommand = id;
    switch (id) {
        case kOpenCommand:
            chooseAndOpenFile();
            return true;
        case kNewsDeEigoJutsuCommand:
            openNewsDeEigoJutsuDialog();
            return true;
        case kFindCommand:
            showFindAndReplacePane();
            return true;
        case kExplanationCommand: {
            mExplanationPane.setVisible(!isExplanationShown());
            const RECT client = getClientRect();
            layOut(client.right, client.bottom);
            return true;
        }
        case kYoutubeLyricsCommand:
            openYoutubeLyricsDialog();
            return true;
        case kGogakuruCommand:
            openGogakuruDownloader();
            return true;
        case kKokokozaCommand:
            openKokokozaDownloader();
            return true;
        case kPhotoDownloaderCommand:
            openPhotoDownloader();
            return true;
        default:
            break;
    }
    if (mAudioPath.empty()) return true;
    switch (id) {
        case kPlayCommand:
            togglePlay();
            break;
        case kPlaySentenceCommand:
            playSelectedSentence();
            break;
        case kStopCommand:
            stopPlayback();
            break;
        case kSetStartCommand:
            if (mRows.getSelectedRow() == -1) break;
            mRows.setStartTime(currentTime());
            mSentenceView.setModified(true);
            break;
        case kSaveCommand:
            saveLyrics();
            break;
        case kJumpAheadCommand:
            mTimeSlider.moveBy(5000 / 10);
            break;
        default:
            break;
    }
    return true;
}

void Corvanta::chooseAndOpenFile() {
    const std::wstring path = showOpenFileDialog(
        m_hWnd, L"Audio File (*.ogg,*.mp3,*.wma)|*.ogg;*.mp3;*.wma|PlayList (*.m3u)|*.m3u", mAudioPath);
    if (path.empty()) return;
    if (::lstrcmpiW(::PathFindExtensionW(path.c_str()), L".m3u") == 0) {
        mFileTable.deleteAllItems();
        readPlayListInto(mFileTable, path);
        mChannelPane.select(1, true);
        return;
    }
    openFile(path);
}
