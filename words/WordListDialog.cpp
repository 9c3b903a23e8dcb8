#include "words/WordListDialog.h"

#include <algorithm>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 400;
// Kept free below the pane for the OK / Cancel row.
constexpr int kButtonRowHeight = 32;
// Between the pane and the top of the buttons, where the frame leaves less room.
constexpr int kButtonGap = 4;

}  // namespace

WordListDialog::WordListDialog() = default;

WordListDialog::~WordListDialog() = default;

bool WordListDialog::createContents() {
    setTitle(L"Word List");
    mPane.createWithDefaultBounds(m_hWnd);
    createButtons(kOkId | kCancelId);
    centreOnDesktop(kWidth, kHeight);
    return false;
}

void WordListDialog::onSize(WPARAM wParam, LPARAM lParam) {
    Dialog::onSize(wParam, lParam);
    const int width = LOWORD(lParam);
    int height = HIWORD(lParam) - kButtonRowHeight;
    // The row stands at a fixed distance from the window's outer bottom edge: with a
    // taller frame it reaches into the last 32 pixels of the client area.
    layoutButtons();
    if (mOkButton.m_hWnd) height = std::min(height, mOkButton.getY() - kButtonGap);
    mPane.setBounds(0, 0, width, height);
}

bool WordListDialog::onOk() {
    const std::wstring before = getWordListElement().toXML();
    mPane.saveWords();
    if (mWordsChanged && getWordListElement().toXML() != before) mWordsChanged();
    return true;
}
