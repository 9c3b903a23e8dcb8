#include "words/WordListDialog.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 400;
// Kept free below the pane for the OK / Cancel row.
constexpr int kButtonRowHeight = 32;

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
    const int height = HIWORD(lParam);
    mPane.setBounds(0, 0, width, height - kButtonRowHeight);
}

bool WordListDialog::onOk() {
    mPane.saveWords();
    return true;
}
