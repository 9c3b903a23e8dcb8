// What the main window does when its controls report: the tables' clicks and keys, the
// tool bar's drop-down, slider and field changes, and dropped files.
#include "app/mainwindow/Corvanta.h"

#include "player/lyrics/AudioFileTypes.h"
#include "player/lyrics/PlayListReading.h"
#include "app/mainwindow/PlaybackPosition.h"
#include "toolkit/window/PopupMenu.h"

namespace {

constexpr int kOpenItem = 1;
constexpr int kRemoveItem = 2;

}  // namespace

LRESULT Corvanta::onNotify(WPARAM wParam, LPARAM lParam) {
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header) return 0;
    if (header->hwndFrom == mToolBar.m_hWnd && header->code == static_cast<UINT>(TBN_DROPDOWN)) {
        openRecentFileMenu();
        return 0;
    }
    if (header->hwndFrom == mLyricsTable.m_hWnd) {
        onLyricsTableNotify(header->code, wParam);
        return 1;
    }
    if (header->hwndFrom == mFileTable.m_hWnd) {
        onFileTableNotify(header->code, wParam);
        return 1;
    }
    return 0;
}

void Corvanta::onLyricsTableNotify(UINT code, WPARAM wParam) {
    const int row = mRows.getSelectedRow();
    switch (code) {
        case NM_RETURN:
            if (row != -1) playSelectedSentence();
            break;
        case NM_RCLICK:
            showSentencePopup();
            break;
        case NM_CLICK:
        case NM_DBLCLK:
        case LVN_ITEMCHANGED:
            if (row != -1) seekToRow(row);
            break;
        case LVN_KEYDOWN:
            // The table sends the key code as wParam.
            if (row == -1) break;
            switch (wParam) {
                case VK_SUBTRACT:
                case VK_OEM_MINUS:
                    mRows.shiftStartTimes(-1);
                    setModified(true);
                    break;
                case VK_ADD:
                case VK_OEM_PLUS:
                    mRows.shiftStartTimes(+1);
                    setModified(true);
                    break;
                case VK_RIGHT:
                    ::SendMessageW(m_hWnd, WM_COMMAND, kJumpAheadCommand, 0);
                    break;
                case VK_INSERT:
                    ::SendMessageW(m_hWnd, WM_COMMAND, kSetStartCommand, 0);
                    break;
                default:
                    break;
            }
            break;
        default:
            break;
    }
}

void Corvanta::seekToRow(int row) {
    const uint32_t start = mSentenceView.getStartTime(row);
    showSentence(row);
    if (start == 0 && row != 0) return;
    mTimeSlider.setValue(static_cast<int>(start / 10));
    mTimeSlider.repaint();
    if (mPlayButton.getText() == L"Play") {
        followPosition();
        return;
    }
    mPlayer.setPosition(start);
    const uint32_t reached = mPlayer.getPosition();
    if (reached != start) mPlayer.setPosition(correctedSeekTarget(start, reached, audioLength()));
}

void Corvanta::onFileTableNotify(UINT code, WPARAM wParam) {
    const int row = mFileTable.getSelectedIndex();
    switch (code) {
        case LVN_KEYDOWN:
            if (wParam == VK_DELETE && row != -1) mFileTable.removeItem(row);
            break;
        case NM_RCLICK: {
            const std::vector<int> rows = mFileTable.getSelectedIndices();
            PopupMenu menu;
            menu.addItem(L"Open", kOpenItem, !rows.empty());
            menu.addItem(L"&Remove", kRemoveItem, !rows.empty());
            const int chosen = menu.show(m_hWnd);
            if (chosen == kOpenItem) {
                openFile(mFileTable.getItemTextW(rows.front(), FileTable::kPathColumn));
            } else if (chosen == kRemoveItem) {
                for (auto it = rows.rbegin(); it != rows.rend(); ++it) mFileTable.removeItem(*it);
            }
            break;
        }
        case NM_RETURN:
        case NM_DBLCLK:
            if (row != -1) openFile(mFileTable.getItemTextW(row, FileTable::kPathColumn));
            break;
        default:
            break;
    }
}

void Corvanta::onScroll(HWND control) {
    if (!control) return;
    if (control == mTempoField.m_hWnd) {
        mPlayer.setTempo(mTempoField.getValue());
    } else if (control == mPitchField.m_hWnd) {
        mPlayer.setPitch(mPitchField.getValue());
    } else if (control == mVolumeSlider.m_hWnd) {
        mPlayer.setVolume(mVolumeSlider.getValue());
    } else if (control == mFontSizeField.m_hWnd) {
        setEditorFontHeight(mFontSizeField.getValue());
    } else if (control == mTimeSlider.m_hWnd) {
        if (mPlayer.isPlaying()) mPlayer.setPosition(static_cast<unsigned>(mTimeSlider.getValue()) * 10);
        followPosition();
        repaint();
    }
}

void Corvanta::setEditorFontHeight(int height) {
    for (TextEditor* editor : {static_cast<TextEditor*>(&mSentenceView), &mExplanationPane}) {
        LOGFONTW font = editor->getLogFont();
        font.lfHeight = height;
        editor->setLogFont(font);
    }
}

bool Corvanta::onDropFiles(const std::vector<std::wstring>& paths) {
    if (paths.empty()) return true;
    const bool playList = isPlayListPath(paths.front());
    const bool opensFile = !playList && paths.size() == 1;
    // Asked before the table empties: Cancel leaves the player as it was.
    if (opensFile && !askToSaveChanges()) return true;
    mFileTable.deleteAllItems();
    if (playList) {
        // A play list that can't be read leaves the table empty; it is no audio file.
        if (readPlayList(mFileTable, paths.front())) mChannelPane.select(1, true);
    } else if (opensFile) {
        openAskedFile(paths.front());
    } else {
        mFileTable.onDropFiles(paths);
    }
    return true;
}
