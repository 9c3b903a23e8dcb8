#include "app/mainwindow/Corvanta.h"

#include <shellapi.h>

#include <algorithm>

#include "foundation/system/Exception.h"
#include "player/settings/Settings.h"
#include "player/lyrics/TimeText.h"
#include "app/mainwindow/MainWindowTitle.h"

namespace {

constexpr COLORREF kTextColor = 0xFFFFFF;
constexpr COLORREF kBackColor = 0x171717;
constexpr COLORREF kTranslationText = 0xFAFFFA;
constexpr COLORREF kTranslationBack = 0x000000;
constexpr COLORREF kToolBandColor = 0x2E2E2E;
constexpr int kButtonSize = 24;
constexpr int kLabelWidth = 64;

// The width of a text in the window's font: the label grows when the font is wider than
// the 64 pixels were made for.
int textWidth(const WinApiWindow& window, const std::wstring& text) {
    HDC dc = ::GetDC(window.m_hWnd);
    HFONT font = ::CreateFontIndirectW(&window.getLogFont());
    HGDIOBJ previous = ::SelectObject(dc, font);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(dc, previous);
    ::DeleteObject(font);
    ::ReleaseDC(window.m_hWnd, dc);
    return size.cx;
}

}  // namespace

Corvanta::Corvanta() {
    setTextColor(kTextColor);
    setBackColor(kBackColor);
    mRows.setHost(this);
    mLyrics.setHost(this);
    mWordListDialog.setWordsChangedAction([this] { setModified(true); });
    mIniPath = getIniFilePath();
}

Corvanta::~Corvanta() = default;

bool Corvanta::onCreate() {
    ::DragAcceptFiles(m_hWnd, TRUE);
    createControls();
    loadSettings();
    mPlayButton.setEnabled(false);
    mStopButton.setEnabled(false);
    mLyrics.setAudioChooser([this] { return chooseAudioFile(m_hWnd); });
    mPlayer.initialize();
    if (HWND frame = ::GetParent(m_hWnd)) ::SetWindowTextW(frame, L"Corvanta");
    ::PostMessageW(m_hWnd, WM_SIZE, 0, 0);
    return false;
}

void Corvanta::createControls() {
    mChannelPane.create(m_hWnd, TabbedPane::kRight);
    mChannelPane.addFormat(CF_HDROP);

    mSentenceView.create(m_hWnd, 0, 0, 100, 100);
    mSentenceView.setShowEndOfLine(true);
    mTranslationField.create(m_hWnd, 0, 0, 100, 86);
    LOGFONTW translationFont = mTranslationField.getLogFont();
    translationFont.lfHeight = 16;
    mTranslationField.setLogFont(translationFont);
    mTranslationField.setTextColor(kTranslationText);
    mTranslationField.setBackColor(kTranslationBack);
    mTranslationField.setShowEndOfLine(true);
    mExplanationPane.create(m_hWnd, 0, 0, 100, 100);
    mExplanationPane.setJustified(false);
    mExplanationPane.setVisible(false);
    mExplanationPane.setShowEndOfLine(true);
    mSentenceView.setPadding(4, 0, 0, 4, true);
    mExplanationPane.setPadding(4, 0, 0, 4, true);

    mToolBand.createWithDefaultBounds(m_hWnd);
    mToolBand.setBackColor(kToolBandColor);
    mToolBar.create(mToolBand.m_hWnd);
    mToolBand.addChild(&mToolBar);

    mPlayButton.create(m_hWnd, L"Play", 0, 0, kButtonSize, kButtonSize);
    mStopButton.create(m_hWnd, L"Stop", 0, 0, kButtonSize, kButtonSize);
    mMenuButton.create(m_hWnd, L"Menu...", 0, 0, 60, kButtonSize);

    mFontSizeField.create(mToolBand.m_hWnd, 0, 0, 60, 20);
    mFontSizeField.setText(L"Font");
    mTempoField.create(m_hWnd, 0, 0, 60, 20);
    mTempoField.setText(L"Tempo");
    mPitchField.create(m_hWnd, 0, 0, 60, 20);
    mPitchField.setText(L"Pitch");

    mTimeSlider.createWithDefaultBounds(m_hWnd);
    mTimeSlider.setThumbSize(12, 20);
    mVolumeSlider.createWithDefaultBounds(m_hWnd);
    mVolumeSlider.setThumbSize(4, 20);
    mVolumeSlider.setSize(50, 20);
    mVolumeSlider.setRange(0, 100);
    mVolumeSlider.setValue(100);
    mVolumeSlider.setToolTip(L"Volume", 500);
    mPositionLabel.createWithDefaultBounds(m_hWnd);
    mPositionLabel.setText(L"00:00/00:00");
    mPositionLabel.setSize(std::max(kLabelWidth, textWidth(mPositionLabel, L"00:00/00:00") + 4), 20);

    mFileTable.createWithDefaultBounds(m_hWnd);
    mFileTable.setBounds(0, 0, 260, 200);
    mFileTable.addColumn(L"Name", 130);
    mFileTable.addColumn(L"Path", 130);
    mLyricsTable.createWithDefaultBounds(m_hWnd);
    mLyricsTable.setBounds(0, 0, 260, 200);
    mChannelPane.addTab(L"Lyrics", &mLyricsTable);
    mChannelPane.addTab(L"File", &mFileTable);

    setUpColors();
    setUpButtonImages();

    mPitchField.setRange(50, 300);
    mPitchField.setValue(100.0);
    mTempoField.setRange(50, 360);
    mTempoField.setValue(100.0);
    mFontSizeField.setRange(8, 32);
    mFontSizeField.setValue(20.0);
    for (UpDownTextField* field : {&mFontSizeField, &mTempoField, &mPitchField}) field->adjustSize();
    mToolBand.addChild(&mFontSizeField);
    createToolBar();

    mPlayButton.setId(kPlayCommand);
    mStopButton.setId(kStopCommand);
    mMenuButton.setId(kMenuCommand);
}

void Corvanta::setUpColors() {
    for (WinApiWindow* control : std::initializer_list<WinApiWindow*>{
             &mPlayButton, &mStopButton, &mMenuButton, &mPositionLabel, &mTimeSlider, &mVolumeSlider, &mPitchField,
             &mTempoField}) {
        control->setBackColor(getBackColor());
    }
    for (WinApiWindow* control : std::initializer_list<WinApiWindow*>{&mPositionLabel, &mPitchField, &mTempoField}) {
        control->setTextColor(getTextColor());
    }
    mPitchField.setButtonColor(getBackColor());
    mTempoField.setButtonColor(getBackColor());
    mFontSizeField.setBackColor(mToolBand.getBackColor());
    mFontSizeField.setTextColor(getTextColor());
    mFontSizeField.setButtonColor(mToolBand.getBackColor());
    // The open button's drop-down arrow reads like the band's labels.
    mToolBar.setDropDownArrowColor(getTextColor());
}

void Corvanta::setUpButtonImages() {
    mPlayButton.useColumn(0);
    mStopButton.setStateRect(RegionButton::kNormal, Rect(48, 0, kButtonSize, kButtonSize));
    mStopButton.setStateRect(RegionButton::kHot, Rect(48, 24, kButtonSize, kButtonSize));
    mStopButton.setStateRect(RegionButton::kPressed, Rect(48, 48, kButtonSize, kButtonSize));
    // Without the picture the buttons draw their text on a plain face.
    for (RegionButton* button : {static_cast<RegionButton*>(&mPlayButton), &mStopButton}) {
        try {
            button->setImage(L"Resources/AudioTool.png");
        } catch (const Exception&) {
        }
    }
}

bool Corvanta::onCommand(HWND control, int id, int code) {
    if (control && control == mSentenceView.m_hWnd && code == EN_CHANGE) {
        // An edit in the view changes the lesson; the view's own undo back to the loaded
        // text ends nothing.
        if (mSentenceView.isModified()) mLyrics.setModified(true);
        updateTitle();
        return true;
    }
    return false;
}

LRESULT Corvanta::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_NOTIFY:
            if (onNotify(wParam, lParam) != 0) return 0;
            break;
        case WM_HSCROLL:
            onScroll(reinterpret_cast<HWND>(lParam));
            break;
        default:
            break;
    }
    return Component::windowProc(hwnd, msg, wParam, lParam);
}

bool Corvanta::canClose() { return askToSaveChanges(); }

bool Corvanta::onClose() {
    if (!canClose()) return false;
    saveSettings();
    ::KillTimer(m_hWnd, kPlaybackTimer);
    ::KillTimer(m_hWnd, kSentenceTimer);
    mPlayer.close();
    destroy();
    return true;
}

void Corvanta::showSentence(int index) {
    if (index < 0 || index >= mSentenceView.getSentenceCount()) return;
    // The playback timer shows the playing sentence on every tick: what is already shown
    // is left alone, so that the fields keep no undo step per tick.
    const uint32_t start = mSentenceView.getPosition(index);
    const uint32_t end = std::max(start, mSentenceView.getPosition(index + 1));
    const TextRange selected = mSentenceView.getSelection();
    if (selected.start != static_cast<int>(start) || selected.end != static_cast<int>(end)) {
        mSentenceView.selectSentence(index);
    }
    showFieldText(mTranslationField, mRows.getTranslation(index));
    showFieldText(mExplanationPane, mRows.getExplanation(index));
}

void Corvanta::showFieldText(TextEditor& field, const std::wstring& text) {
    if (field.getDocumentText() == text) return;
    field.insertText(text);
    field.setModified(false);
}

void Corvanta::selectRow(int row) {
    mLyricsTable.clearSelection();
    mLyricsTable.select(row);
    mLyricsTable.ensureVisible(row);
}

void Corvanta::updateTitle() {
    HWND frame = ::GetParent(m_hWnd);
    if (!frame) return;
    const std::wstring title = mAudioPath.empty()
                                   ? std::wstring(L"Corvanta")
                                   : formatMainWindowTitle(mAudioPath, getProgramBaseName(), isModified());
    ::SetWindowTextW(frame, title.c_str());
}

void Corvanta::updateButtons() {
    const bool open = !mAudioPath.empty();
    mPlayButton.setEnabled(open);
    mStopButton.setEnabled(open && (mPlayer.isPlaying() || mPlayer.isPaused()));
}

void Corvanta::applyPlayerSettings() {
    mPlayer.setPitch(mPitchField.getValue());
    mPlayer.setVolume(mVolumeSlider.getValue());
    mPlayer.setTempo(mTempoField.getValue());
}

uint32_t Corvanta::getRowStartTime(int row) const { return parseTimeText(mRows.getStartText(row)); }

uint32_t Corvanta::getRowEndTime(int row) const {
    const uint32_t end = parseTimeText(mRows.getEndText(row));
    return end == 0 ? kUnsetTime : end;
}

void Corvanta::clickAtCursor() {
    HWND focused = ::GetFocus();
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    ::mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    ::SetForegroundWindow(::GetAncestor(m_hWnd, GA_ROOT));
    if (focused) ::SetFocus(focused);
}
