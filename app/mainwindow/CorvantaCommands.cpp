// Every command of the main window: from the accelerators, the tool bar, the play, stop
// and menu buttons, and the keys of the sentence table that send commands on.
#include "app/mainwindow/Corvanta.h"

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
    // Notifications of child editors (id 0 with a control) are not commands.
    if (id != 0 || !control) mLastCommand = id;
    switch (id) {
        case kOpenCommand:
            chooseAndOpenFile();
            return true;
        case kMenuCommand:
            showMainMenu();
            return true;
        case kFindCommand:
            showFindAndReplacePane();
            return true;
        case kWordListCommand:
            showWordListDialog();
            return true;
        case kClickCommand:
            clickAtCursor();
            return true;
        case kExplanationCommand: {
            mExplanationPane.setVisible(!isExplanationShown());
            const RECT client = getClientRect();
            layOut(client.right, client.bottom);
            return true;
        }
        default:
            break;
    }
    if (openDownloader(id)) return true;
    if (!mAudioPath.empty()) runFileCommand(id);
    return true;
}

void Corvanta::runFileCommand(int id) {
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
        case kNextSetStartCommand:
        case kSetEndCommand:
        case kNextSetEndCommand:
        case kResetTimesCommand:
        case kNextResetTimesCommand:
            setSelectedTimes(id, currentTime());
            break;
        case kSaveCommand:
            saveLyrics();
            break;
        case kApplyFieldsCommand:
            if (mRows.getSelectedRow() == -1) break;
            mRows.applyExplanationField(mExplanationPane.getDocumentText());
            mRows.applyTranslationField(mTranslationField.getDocumentText());
            setModified(true);
            break;
        case kReloadCommand:
            reloadLyrics();
            break;
        case kPreviousRowCommand:
            mRows.selectAdjacentRow(false);
            break;
        case kNextRowCommand:
            mRows.selectAdjacentRow(true);
            break;
        case kJumpAheadCommand:
            seekBy(5000);
            break;
        default:
            break;
    }
}

void Corvanta::setSelectedTimes(int id, uint32_t time) {
    // The time is taken before the next row is selected: selecting a row moves the time
    // slider (and a playing player) to that row's start.
    if (id == kNextSetStartCommand || id == kNextSetEndCommand || id == kNextResetTimesCommand) {
        mRows.selectAdjacentRow(true);
    }
    if (mRows.getSelectedRow() == -1) return;
    switch (id) {
        case kSetStartCommand:
        case kNextSetStartCommand:
            mRows.setStartTime(time);
            break;
        case kSetEndCommand:
        case kNextSetEndCommand:
            mRows.setEndTime(time);
            break;
        default:
            mRows.setStartTime(0);
            mRows.setEndTime(0);
            break;
    }
    setModified(true);
}

void Corvanta::seekBy(int ms) { mTimeSlider.moveBy(ms / 10); }

void Corvanta::reloadLyrics() { mLyrics.reloadLyrics(m_hWnd); }

bool Corvanta::openDownloader(int id) {
    switch (id) {
        case kYoutubeLyricsCommand:
            openYoutubeLyricsDialog();
            return true;
        case kVoaManagerCommand:
            openVoaManagerDialog();
            return true;
        case kNewsEnglishCommand:
            openNewsEnglishDialog();
            return true;
        case kNewsSnsEnglishCommand:
            openNewsSnsEnglishDialog();
            return true;
        case kNewsDeEigoJutsuCommand:
            openNewsDeEigoJutsuDialog();
            return true;
        case kGogakuruCommand:
            openGogakuruDownloader();
            return true;
        case kKokokozaCommand:
            openKokokozaDownloader();
            return true;
        case kPhotoCommand:
            openPhotoDownloader();
            return true;
        default:
            return false;
    }
}

void Corvanta::chooseAndOpenFile() {
    const std::wstring path = showOpenFileDialog(
        m_hWnd, L"Audio File (*.ogg,*.mp3,*.wma)|*.ogg;*.mp3;*.wma|PlayList (*.m3u)|*.m3u", mAudioPath);
    if (path.empty()) return;
    if (::lstrcmpiW(::PathFindExtensionW(path.c_str()), L".m3u") == 0) {
        mFileTable.deleteAllItems();
        readPlayList(mFileTable, path);
        mChannelPane.select(1, true);
        return;
    }
    openFile(path);
}
