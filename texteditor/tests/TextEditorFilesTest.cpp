#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "foundation/encoding/EncodingId.h"
#include "foundation/encoding/TextFile.h"
#include "foundation/system/PathUtils.h"
#include "testsupport/TestFiles.h"
#include "testsupport/TestWindows.h"
#include "texteditor/tests/EditorTestSupport.h"

namespace {

// The save question answered without a dialog: the next path and encoding to choose.
std::wstring nextPath;
int nextEncoding = -2;
int questionsAsked = 0;

std::wstring answerSaveQuestion(TextEditor&, const std::wstring&, int& encoding) {
    ++questionsAsked;
    if (nextEncoding != -2) encoding = nextEncoding;
    return nextPath;
}

struct ChooserScope {
    ChooserScope(const std::wstring& path, int encoding) {
        nextPath = path;
        nextEncoding = encoding;
        questionsAsked = 0;
        TextEditor::setSaveFileChooser(answerSaveQuestion);
        takeShownMessages();
    }
    ~ChooserScope() { TextEditor::setSaveFileChooser(nullptr); }
};

}  // namespace

TEST(TextEditorFiles, EveryEncodingSavesAndOpensBackTheSameText) {
    TempDirectory folder;
    const std::wstring japanese = L"\x65E5\x672C\x8A9E\x306E\x6587\r\nline two\r\n";
    for (int encoding : {kEncodingUtf16Le, kEncodingUtf16Be, kEncodingUtf8, kEncodingUtf8Bom, kEncodingShiftJis,
                         kEncodingEucJp, kEncodingAnsi, kEncodingIso2022Jp}) {
        const std::wstring path = folder.file(L"saved" + std::to_wstring(encoding) + L".txt");
        EditorFixture f;
        f.editor.setText(japanese);
        ChooserScope chooser(path, encoding);
        ASSERT_TRUE(f.editor.save()) << encoding;  // an untitled document asks for a path
        EXPECT_EQ(questionsAsked, 1);
        EXPECT_FALSE(f.editor.isModified());
        EXPECT_EQ(f.editor.getFileName(), path);

        // EUC-JP and ISO-2022-JP are not told apart from Shift_JIS by detection: their
        // files are read back in their own encoding.
        if (encoding == kEncodingEucJp || encoding == kEncodingIso2022Jp) {
            std::wstring read;
            EXPECT_EQ(readTextFile(path, read, encoding), encoding);
            EXPECT_EQ(read, japanese) << encoding;
            continue;
        }
        EditorFixture reader;
        ASSERT_TRUE(reader.editor.openFile(path)) << encoding;
        EXPECT_EQ(reader.text(), japanese) << encoding;
        EXPECT_EQ(reader.editor.getDocument().getEncoding(), encoding == kEncodingAnsi ? kEncodingShiftJis : encoding);
        EXPECT_FALSE(reader.editor.isModified());
    }
    // Western text in BIG5 as well.
    const std::wstring path = folder.file(L"big5.txt");
    EditorFixture f;
    f.editor.setText(L"plain text\r\n");
    ChooserScope chooser(path, kEncodingBig5);
    ASSERT_TRUE(f.editor.save());
    EditorFixture reader;
    ASSERT_TRUE(reader.editor.openFile(path));
    EXPECT_EQ(reader.text(), L"plain text\r\n");
}

TEST(TextEditorFiles, SavingAgainWritesToTheSameFileInItsEncoding) {
    TempDirectory folder;
    const std::wstring path = folder.file(L"again.txt");
    EditorFixture f;
    f.editor.setText(L"abc");
    {
        ChooserScope chooser(path, kEncodingUtf8);
        ASSERT_TRUE(f.editor.save());
    }
    f.editor.appendText(L"d");
    EXPECT_TRUE(f.editor.isModified());
    ChooserScope chooser(L"", -2);
    f.send(WM_COMMAND, TextEditor::kSave);
    EXPECT_EQ(questionsAsked, 0);
    EXPECT_EQ(readFileBytes(path), "abcd");
    EXPECT_FALSE(f.editor.isModified());
    f.editor.undo();  // away from the saved point
    EXPECT_TRUE(f.editor.isModified());
    f.editor.redo();
    EXPECT_FALSE(f.editor.isModified());
}

TEST(TextEditorFiles, LossySaveWarnsAndWritesNothing) {
    TempDirectory folder;
    const std::wstring path = folder.file(L"lossy.txt");
    EditorFixture f;
    f.editor.setText(L"caf\x00E9 \x0160");  // not in Shift_JIS
    ChooserScope chooser(path, kEncodingShiftJis);
    EXPECT_FALSE(f.editor.save());
    EXPECT_FALSE(fileExists(path));
    const auto shown = takeShownMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].text.find(L"\x30E6\x30CB\x30B3\x30FC\x30C9"), std::wstring::npos);  // the Japanese warning
    EXPECT_EQ(f.editor.getDocument().getEncoding(), kEncodingUtf16Le);  // the dialog's choice undone
    EXPECT_TRUE(f.editor.isUntitled());
    EXPECT_TRUE(f.editor.isModified());
}

TEST(TextEditorFiles, QuestionMarksOfTheTextItselfAreNoLoss) {
    EXPECT_TRUE(TextEditor::isAbleToEncode(L"what? \x65E5\x672C?", kEncodingShiftJis));
    EXPECT_FALSE(TextEditor::isAbleToEncode(L"what? \x00E9", kEncodingShiftJis));
    EXPECT_TRUE(TextEditor::isAbleToEncode(L"\x00E9\x65E5", kEncodingUtf8));
    EXPECT_TRUE(TextEditor::isAbleToEncode(L"", kEncodingShiftJis));
    EXPECT_FALSE(TextEditor::isAbleToEncode(L"\x00E9", kEncodingBig5));
    EXPECT_TRUE(TextEditor::isAbleToEncode(L"\x65E5\x672C", kEncodingIso2022Jp));
}

TEST(TextEditorFiles, CancelledSaveChangesNothing) {
    EditorFixture f;
    f.editor.setText(L"text");
    ChooserScope chooser(L"", kEncodingUtf8);
    EXPECT_FALSE(f.editor.save());
    EXPECT_EQ(questionsAsked, 1);
    EXPECT_TRUE(f.editor.isUntitled());
    EXPECT_TRUE(f.editor.isModified());
    EXPECT_EQ(f.editor.getDocument().getEncoding(), kEncodingUtf16Le);
}

TEST(TextEditorFiles, SelectionSavesInTheChosenEncodingAndTheDocumentKeepsItsOwn) {
    TempDirectory folder;
    EditorFixture f;
    f.editor.setText(L"plain part | caf\x00E9");
    f.send(EM_SETSEL, 0, 10);
    {
        // The selection alone can be written in Shift_JIS although the whole text cannot.
        ChooserScope chooser(folder.file(L"part.txt"), kEncodingShiftJis);
        f.send(WM_COMMAND, TextEditor::kSaveSelection);
        EXPECT_EQ(readFileBytes(folder.file(L"part.txt")), "plain part");
        EXPECT_EQ(f.editor.getDocument().getEncoding(), kEncodingUtf16Le);
        EXPECT_TRUE(f.editor.isUntitled());
    }
    f.send(EM_SETSEL, 11, 17);
    ChooserScope chooser(folder.file(L"lossy.txt"), kEncodingShiftJis);
    EXPECT_FALSE(f.editor.saveTextAs(f.editor.getSelectedText()));
    EXPECT_EQ(takeShownMessages().size(), 1u);
    EXPECT_FALSE(fileExists(folder.file(L"lossy.txt")));
    EXPECT_EQ(f.editor.getDocument().getEncoding(), kEncodingUtf16Le);  // the refused choice is not kept
}

TEST(TextEditorFiles, ReadOnlyFileMakesTheEditorReadOnlyUntilAWritableOneOpens) {
    TempDirectory folder;
    const std::wstring locked = folder.file(L"locked.txt");
    const std::wstring open = folder.file(L"open.txt");
    std::ofstream(locked.c_str()) << "locked";
    std::ofstream(open.c_str()) << "open";
    ::SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    EditorFixture f;
    f.frame.forget();
    ASSERT_TRUE(f.editor.openFile(locked));
    EXPECT_EQ(f.frame.count(EN_CHANGE), 1);  // always reported after opening
    EXPECT_TRUE(f.editor.isReadOnly());
    EXPECT_FALSE(f.editor.save());
    ASSERT_TRUE(f.editor.openFile(open));
    EXPECT_FALSE(f.editor.isReadOnly());
    EXPECT_EQ(f.text(), L"open");
    EXPECT_FALSE(f.send(EM_CANUNDO));
    ::SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(TextEditorFiles, MissingFileLeavesTheEditorAsItWas) {
    EditorFixture f;
    f.editor.setText(L"kept");
    EXPECT_FALSE(f.editor.openFile(L"Z:\\no\\such\\file.txt"));
    EXPECT_EQ(f.text(), L"kept");
    EXPECT_TRUE(f.send(EM_CANUNDO));
}

TEST(TextEditorFiles, DroppedFilesOpenOnlyInAnEditableEditor) {
    TempDirectory folder;
    const std::wstring path = folder.file(L"dropped.txt");
    std::ofstream(path.c_str()) << "dropped text";
    EditorFixture f;
    f.editor.setText(L"before");
    EXPECT_TRUE(f.editor.onDropFiles(std::vector<std::wstring>{path, path}));  // two: ignored
    EXPECT_EQ(f.text(), L"before");
    f.send(EM_SETREADONLY, 1);
    f.editor.onDropFiles(std::vector<std::wstring>{path});
    EXPECT_EQ(f.text(), L"before");
    f.send(EM_SETREADONLY, 0);
    f.editor.onDropFiles(std::vector<std::wstring>{path});
    EXPECT_EQ(f.text(), L"dropped text");
    EditorFixture field;
    field.editor.setSingleLine();
    field.editor.onDropFiles(std::vector<std::wstring>{path});
    EXPECT_EQ(field.text(), L"");
}

namespace {

// Drives the real save dialog from a timer of its modal loop: the name and encoding to
// choose, or Cancel when the name is empty.
std::wstring dialogName;
int dialogEncoding = -1;

BOOL CALLBACK pickEncoding(HWND child, LPARAM) {
    wchar_t className[32] = {};
    ::GetClassNameW(child, className, 32);
    if (::_wcsicmp(className, L"ComboBox") == 0 && ::SendMessageW(child, CB_GETCOUNT, 0, 0) == 7) {
        ::SendMessageW(child, CB_SETCURSEL, static_cast<WPARAM>(dialogEncoding), 0);
    }
    return TRUE;
}

BOOL CALLBACK findDialog(HWND window, LPARAM found) {
    wchar_t className[32] = {};
    ::GetClassNameW(window, className, 32);
    if (::wcscmp(className, L"#32770") != 0 || !::IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void CALLBACK answerDialog(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) return;  // not shown yet: the timer comes again
    ::KillTimer(nullptr, id);
    if (dialogName.empty()) {
        ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    ::EnumChildWindows(dialog, pickEncoding, 0);
    for (int control : {0x480, 0x47C}) {
        ::SendMessageW(dialog, CDM_SETCONTROLTEXT, control, reinterpret_cast<LPARAM>(dialogName.c_str()));
    }
    ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

}  // namespace

TEST(TextEditorFiles, SaveDialogChoosesThePathAndTheEncoding) {
    TempDirectory folder;
    EditorFixture f;
    f.editor.setText(L"\x65E5\x672C text");
    dialogName.clear();
    ::SetTimer(nullptr, 0, 100, answerDialog);
    EXPECT_FALSE(f.editor.save());  // cancelled
    EXPECT_TRUE(f.editor.isUntitled());

    dialogName = folder.file(L"chosen.txt");
    dialogEncoding = kEncodingShiftJis;
    ::SetTimer(nullptr, 0, 100, answerDialog);
    ASSERT_TRUE(f.editor.save());
    EXPECT_EQ(f.editor.getFileName(), dialogName);
    EXPECT_EQ(f.editor.getDocument().getEncoding(), kEncodingShiftJis);
    EXPECT_EQ(readFileBytes(dialogName), "\x93\xfa\x96\x7b text");
}
