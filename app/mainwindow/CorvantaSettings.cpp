// The main window's settings: read when it is created, written when it closes.
#include "app/mainwindow/Corvanta.h"

#include "app/PlayerSettings.h"
#include "app/SampleLesson.h"
#include "app/mainwindow/EditorFace.h"
#include "app/mainwindow/RecentFilesMenu.h"
#include "app/mainwindow/ThemeMenu.h"
#include "toolkit/graphics/FontManager.h"

void Corvanta::loadSettings() {
    mThemes.load(ThemeList::kPath);
    useInstalledFace(FontManager::getInstance(), kEditorFace, {&mSentenceView, &mExplanationPane});
    applyTheme(mThemes, 0, {&mSentenceView, &mExplanationPane});
    PlayerSettings settings;
    settings.load(mIniPath);
    mTempoField.setValue(settings.tempo);
    mVolumeSlider.setValue(settings.volume);
    mFontSizeField.setValue(settings.fontSize);
    if (settings.alwaysOnTop) ::SetWindowPos(::GetAncestor(m_hWnd, GA_ROOT), HWND_TOPMOST, 0, 0, 0, 0,
                                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SendMessageW(mToolBar.m_hWnd, TB_CHECKBUTTON, kExplanationCommand, settings.explanationPaneVisible);
    mExplanationPane.setVisible(settings.explanationPaneVisible);
    mRecentFiles.load(mIniPath, RecentFileManager::kSection, getSampleLessonPath());
}

void Corvanta::saveSettings() {
    PlayerSettings settings;
    settings.tempo = mTempoField.getValue();
    settings.volume = mVolumeSlider.getValue();
    settings.fontSize = mFontSizeField.getValue();
    settings.explanationPaneVisible = isExplanationShown();
    const HWND frame = ::GetAncestor(m_hWnd, GA_ROOT);
    settings.alwaysOnTop = (::GetWindowLongW(frame, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    settings.save(mIniPath);
    mRecentFiles.save(mIniPath, RecentFileManager::kSection);
}

void Corvanta::rememberRecentFile(const std::wstring& path) { mRecentFiles.add(path); }

void Corvanta::openRecentFileMenu() {
    const std::wstring path = showRecentFilesMenu(m_hWnd, mRecentFiles);
    if (!path.empty()) openFile(path);
}
