#include "toolkit/widgets/SaveTextAsDialog.h"

namespace {

// The common dialog's file-type label and list.
const int kFileTypeLabelId = 1089;
const int kFileTypeListId = 1136;
// Encoding ids 0 to 6 are offered: the ones a text is written in by choice.
const int kOfferedEncodings = 7;
// Height of the hook window that holds the encoding row.
const int kRowHeight = 32;

void copyFont(HWND from, HWND to) {
    const LRESULT font = ::SendMessageW(from, WM_GETFONT, 0, 0);
    if (font) ::SendMessageW(to, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
}

}  // namespace

bool SaveTextAsDialog::onInitDialog() {
    makeRoomBelow(kRowHeight);
    const RECT labelRect = controlRectInHook(kFileTypeLabelId);
    const RECT listRect = controlRectInHook(kFileTypeListId);
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    mLabel = ::CreateWindowExW(0, L"STATIC", L"&Encoding:", WS_CHILD | WS_VISIBLE | WS_TABSTOP, labelRect.left, 0,
                               100, 20, mHook, nullptr, instance, nullptr);
    mList = ::CreateWindowExW(0, L"ComboBox", L"mycombobox",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_HASSTRINGS | CBS_DROPDOWNLIST, listRect.left,
                              0, listRect.right - listRect.left, 300, mHook, nullptr, instance, nullptr);
    if (mList) {
        ::SendMessageW(mList, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), TRUE);
        for (EncodingId id = 0; id < kOfferedEncodings; ++id) {
            const std::wstring name = getEncodingName(id);
            ::SendMessageW(mList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        }
        copyFont(::GetDlgItem(mDialog, kFileTypeListId), mList);
        ::SendMessageW(mList, CB_SETCURSEL, static_cast<WPARAM>(mEncodingIndex), 0);
    }
    if (mLabel) copyFont(::GetDlgItem(mDialog, kFileTypeLabelId), mLabel);
    return AbstractFileChooser::onInitDialog();
}

void SaveTextAsDialog::onDestroy() {
    if (mList) {
        // An encoding the list does not offer (EUC_JP, ISO-2022-JP, Undefine) leaves the
        // list without a selection: the preselected encoding then stays the choice.
        const LRESULT selected = ::SendMessageW(mList, CB_GETCURSEL, 0, 0);
        if (selected != CB_ERR) mEncodingIndex = static_cast<int>(selected);
        ::DestroyWindow(mList);
        mList = nullptr;
    }
    if (mLabel) {
        ::DestroyWindow(mLabel);
        mLabel = nullptr;
    }
}
