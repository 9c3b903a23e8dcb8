// The tool bar of the main window: its picture strip, its buttons and their tooltips.
#include "app/mainwindow/Corvanta.h"

#include "foundation/system/Exception.h"

namespace {

struct ToolButton {
    int image;
    int command;  // 0: a separator
    const wchar_t* tip;
};

// The open button drops down the recent files; the last one shows or hides the
// explanation pane. The tips are kept as wide text, so they read the same whatever the
// system's ANSI code page is.
const ToolButton kToolButtons[] = {
    {1, Corvanta::kOpenCommand, L"音声ファイルを開く (Ctrl+O)"},
    {2, Corvanta::kSaveCommand, L"編集中の歌詞を xml ファイルに上書き保存する (Ctrl+S)"},
    {0, 0, nullptr},
    {3, Corvanta::kPlaySentenceCommand, L"選択中のセンテンスを再生 (Ctrl+Shift+P)"},
    {0, 0, nullptr},
    {4, 119, L"前のセンテンスを選択 (Ctrl+Up)"},
    {5, 120, L"次のセンテンスを選択 (Ctrl+Down)"},
    {0, 0, nullptr},
    {5, Corvanta::kJumpAheadCommand, L"5秒先へ (Ctrl+Right)"},
    {0, 0, nullptr},
    {6, 105, L"次のセンテンスを選択して、時間を設定 (Ctrl+Shift+T)"},
    {0, 0, nullptr},
    {7, 114, L"選択中のセンテンスに翻訳文・解説文を設定する (Ctrl+J)"},
    {11, Corvanta::kExplanationCommand, L"Open/Close the Explanation Window"},
};

constexpr COLORREF kToolMask = 0xE5E5E5;
constexpr int kTipWidth = 320;

}  // namespace

void Corvanta::createToolBar() {
    // Without the picture the buttons are still there, only blank.
    try {
        mToolBar.setImage(L"Resources/CorvantaTool.bmp", kToolMask);
    } catch (const Exception&) {
    }
    for (const ToolButton& button : kToolButtons) {
        BYTE style = BTNS_BUTTON;
        if (button.command == kOpenCommand) style = BTNS_DROPDOWN;
        if (button.command == kExplanationCommand) style = BTNS_CHECK;
        mToolBar.addButton(button.image, button.command, nullptr, TBSTATE_ENABLED, style);
    }
    mToolBar.setBounds(0, 0, 270, 20);
    for (const ToolButton& button : kToolButtons) {
        if (button.command != 0) mToolBar.setToolTip(button.tip, button.command);
    }
    if (HWND tips = mToolBar.getToolTipHWND()) ::SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, kTipWidth);
}
