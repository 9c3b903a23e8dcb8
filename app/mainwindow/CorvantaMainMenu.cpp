// The "Menu..." popup of the main window and what its items open.
#include "app/mainwindow/Corvanta.h"

#include "app/mainwindow/MainMenu.h"
#include "app/mainwindow/ThemeMenu.h"
#include "app/mainwindow/WexcombeLauncher.h"
#include "player/mp3/ID3EditorDialog.h"
#include "toolkit/window/PopupMenu.h"

void Corvanta::showMainMenu() {
    PopupMenu menu;
    fillMainMenu(menu);
    // The menu button sits at the window's bottom edge: the menu opens upward.
    runMainMenuItem(menu.show(m_hWnd, TPM_BOTTOMALIGN));
}

void Corvanta::fillMainMenu(PopupMenu& menu) {
    MainMenuState state;
    state.fileOpen = !mAudioPath.empty();
    state.playing = mPlayer.isPlaying();
    state.fileTableHasRows = mFileTable.getItemCount() > 0;
    state.alwaysOnTop = isAlwaysOnTop();
    state.locale = ::GetThreadLocale();
    buildMainMenu(menu, state);
}

void Corvanta::runMainMenuItem(int id) {
    switch (id) {
        case kAlwaysOnTopItem:
            toggleAlwaysOnTop();
            break;
        case kReloadLyricsItem:
            reloadLyrics();
            break;
        case kSaveAsMp3Item:
            saveAsMp3WithLyrics();
            // The export leaves the player on the encoder's stream.
            mPlayer.open(mAudioPath);
            break;
        case kSaveAsLrcItem:
            saveAsLrc();
            break;
        case kSaveAsPlayListItem:
            savePlayList();
            break;
        case kWordListItem:
            showWordListDialog();
            break;
        case kId3EditorItem:
            showId3Editor();
            break;
        case kYoutubeLyricsItem:
            openYoutubeLyricsDialog();
            break;
        case kNewsDeEigoJutsuItem:
            openNewsDeEigoJutsuDialog();
            break;
        case kWexcombeItem:
            sendSentenceListToWexcombe();
            break;
        case kThemeItem:
            chooseTheme();
            break;
        default:
            break;
    }
}

bool Corvanta::isAlwaysOnTop() const {
    const HWND frame = ::GetAncestor(m_hWnd, GA_ROOTOWNER);
    return frame && (::GetWindowLongW(frame, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void Corvanta::toggleAlwaysOnTop() {
    const HWND frame = ::GetAncestor(m_hWnd, GA_ROOTOWNER);
    if (!frame) return;
    ::SetWindowPos(frame, isAlwaysOnTop() ? HWND_NOTOPMOST : HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void Corvanta::sendSentenceListToWexcombe() {
    const std::wstring exe = locateWexcombe(mIniPath, [this] { return chooseWexcombe(m_hWnd); });
    startWexcombe(m_hWnd, exe, mLyricsPath);
}

void Corvanta::showId3Editor() {
    ID3EditorDialog editor(&mId3TagModel);
    // The fields reach the disk with the sentence list: accepted changes make it modified.
    if (showModalDialog(m_hWnd, editor)) setModified(true);
}

void Corvanta::chooseTheme() { applyTheme(mThemes, showThemeMenu(m_hWnd, mThemes), {&mSentenceView, &mExplanationPane}); }
