#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testsupport/TestWindows.h"
#include "toolkit/widgets/SaveTextAsDialog.h"

namespace {

// The common dialog's file-name field: an edit, or a combo box in newer dialogs.
const int kFileNameEditId = 0x480;
const int kFileNameComboId = 0x47C;

// Drives the dialog from inside: once it is laid out, picks an encoding, types a name
// and presses Save, or cancels.
class ScriptedSaveDialog : public SaveTextAsDialog {
public:
    UINT_PTR onInitDone() override {
        HWND dialog = getDialogWindow();
        HWND list = getEncodingList();
        shownSelection = static_cast<int>(::SendMessageW(list, CB_GETCURSEL, 0, 0));
        shownCount = static_cast<int>(::SendMessageW(list, CB_GETCOUNT, 0, 0));
        if (shownCount > 0) {
            wchar_t text[64] = {};
            ::SendMessageW(list, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
            firstName = text;
        }
        RECT listRect{};
        RECT typeRect{};
        RECT typeLabelRect{};
        ::GetWindowRect(list, &listRect);
        ::GetWindowRect(::GetDlgItem(dialog, 1136), &typeRect);
        ::GetWindowRect(::GetDlgItem(dialog, 1089), &typeLabelRect);
        rowBelowFileType = listRect.top >= typeRect.bottom && listRect.top >= typeLabelRect.bottom &&
                           listRect.left == typeRect.left;
        RECT dialogRect{};
        ::GetWindowRect(dialog, &dialogRect);
        rowInsideDialog = listRect.bottom <= dialogRect.bottom;
        if (chooseEncoding >= 0) ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(chooseEncoding), 0);
        if (accept) {
            for (int id : {kFileNameEditId, kFileNameComboId})
                ::SendMessageW(dialog, CDM_SETCONTROLTEXT, id, reinterpret_cast<LPARAM>(name.c_str()));
            ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        } else {
            ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        }
        return SaveTextAsDialog::onInitDone();
    }

    std::wstring name;
    int chooseEncoding = -1;
    bool accept = true;
    int shownSelection = -2;
    int shownCount = 0;
    std::wstring firstName;
    bool rowBelowFileType = false;
    bool rowInsideDialog = false;
};

void CALLBACK cancelLater(HWND hook, UINT, UINT_PTR, DWORD) {
    ::KillTimer(hook, 1);
    ::PostMessageW(::GetParent(hook), WM_COMMAND, IDCANCEL, 0);
}

class SaveRecord {
public:
    explicit SaveRecord(const std::wstring& folder) : mFolder(folder), mFile(1024, L'\0') {
        record.lStructSize = sizeof record;
        record.lpstrFile = &mFile[0];
        record.nMaxFile = static_cast<DWORD>(mFile.size());
        record.lpstrFilter = L"Text (*.txt)\0*.txt\0All files (*.*)\0*.*\0";
        record.lpstrInitialDir = mFolder.c_str();
        record.lpstrDefExt = L"txt";
        record.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_HIDEREADONLY;
    }
    std::wstring chosenPath() const { return std::wstring(mFile.c_str()); }

    OPENFILENAMEW record{};

private:
    std::wstring mFolder;
    std::wstring mFile;
};

}  // namespace

TEST(SaveTextAsDialog, ReturnsTheJapaneseFileNameAndTheChosenEncoding) {
    TempDirectory folder;
    SaveRecord save(folder.path());
    ScriptedSaveDialog chooser;
    chooser.setEncodingIndex(3);
    chooser.chooseEncoding = 5;
    chooser.name = L"日本語のメモ.txt";
    ASSERT_TRUE(chooser.showSaveDialog(save.record));
    EXPECT_EQ(chooser.shownSelection, 3);
    EXPECT_EQ(chooser.shownCount, 7);
    EXPECT_EQ(chooser.firstName, L"ANSI");
    EXPECT_TRUE(chooser.rowBelowFileType);
    EXPECT_TRUE(chooser.rowInsideDialog);
    EXPECT_EQ(chooser.getEncodingIndex(), 5);
    EXPECT_EQ(save.chosenPath(), folder.file(L"日本語のメモ.txt"));
    EXPECT_EQ(chooser.getDialogWindow(), nullptr);
    EXPECT_EQ(chooser.getEncodingList(), nullptr);
}

TEST(SaveTextAsDialog, CancelKeepsTheEncodingChosenInTheList) {
    TempDirectory folder;
    SaveRecord save(folder.path());
    ScriptedSaveDialog chooser;
    chooser.accept = false;
    chooser.chooseEncoding = 4;
    EXPECT_FALSE(chooser.showSaveDialog(save.record));
    EXPECT_EQ(chooser.shownSelection, 0);
    EXPECT_EQ(chooser.getEncodingIndex(), 4);
}

TEST(SaveTextAsDialog, AnEncodingTheListDoesNotOfferStaysTheChoice) {
    for (int unlisted : {7, 9, -1}) {
        TempDirectory folder;
        SaveRecord save(folder.path());
        ScriptedSaveDialog chooser;
        chooser.setEncodingIndex(unlisted);
        chooser.name = L"plain.txt";
        ASSERT_TRUE(chooser.showSaveDialog(save.record));
        EXPECT_EQ(chooser.shownSelection, CB_ERR);
        EXPECT_EQ(chooser.getEncodingIndex(), unlisted);
        EXPECT_EQ(save.chosenPath(), folder.file(L"plain.txt"));
    }
}

// Holds the dialog open for a few seconds so that a screenshot can be taken of it.
TEST(SaveTextAsDialog, DISABLED_StaysOpenForAScreenshot) {
    class Held : public SaveTextAsDialog {
    public:
        UINT_PTR onInitDone() override {
            ::SetTimer(getHookWindow(), 1, 4000, cancelLater);
            return 0;
        }
    };
    TempDirectory folder;
    SaveRecord save(folder.path());
    Held chooser;
    chooser.setEncodingIndex(4);
    chooser.showSaveDialog(save.record);
}
