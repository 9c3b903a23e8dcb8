#include "player/lyrics/LyricsEditDialog.h"

namespace {

constexpr int kDialogWidth = 500;
constexpr int kDialogHeight = 360;
// Room above the editor for the label and below it for the button row.
constexpr int kEditorTop = 36;
constexpr int kEditorBottomMargin = 38;

}  // namespace

LyricsEditDialog::LyricsEditDialog() = default;

LyricsEditDialog::~LyricsEditDialog() = default;

bool LyricsEditDialog::createContents() {
    createLabel(m_hWnd, L"Input Sentence:", 8, 8, 200, 20);
    mEditor.create(m_hWnd, 0, 32, kDialogWidth, 100);
    // The first stop of the dialog, so that typing goes straight into the sentence.
    mEditor.setStyle(mEditor.getStyleBits() | WS_TABSTOP);
    // The whole text as it stands: a sentence keeps its own line ends and trailing blanks,
    // which are part of the sentence view's text.
    mEditor.setText(mProperties.getAttribute(L"Sentence"));
    centreOnDesktop(kDialogWidth, kDialogHeight);
    createButtons(kOkId | kCancelId);
    setTitle(mEditMode ? L"Sentence Editor" : L"Sentence Inserter");
    return true;
}

bool LyricsEditDialog::onOk() {
    mSentence = mEditor.getTextCopy();
    mProperties.setAttribute(L"Sentence", mSentence);
    return true;
}

void LyricsEditDialog::onSize(WPARAM, LPARAM lParam) {
    if (!mEditor.m_hWnd) return;
    const int width = static_cast<int>(LOWORD(lParam));
    const int height = static_cast<int>(HIWORD(lParam));
    mEditor.setBounds(0, kEditorTop, width, height - kEditorTop - kEditorBottomMargin);
}
