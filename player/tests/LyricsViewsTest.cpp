#include <gtest/gtest.h>

#include <memory>

#include "foundation/encoding/TextFile.h"
#include "foundation/system/PathUtils.h"
#include "player/lyrics/AudioFileTypes.h"
#include "player/lyrics/FileTable.h"
#include "player/lyrics/MyTextEditor.h"
#include "player/lyrics/RubyReadings.h"
#include "player/lyrics/SaveXmlText.h"
#include "player/tests/LyricsTestSupport.h"
#include "testsupport/TestWindows.h"
#include "toolkit/window/PopupMenu.h"

namespace {

bool isGreyed(const PopupMenu& menu, int id) {
    const UINT state = ::GetMenuState(menu.getHandle(), static_cast<UINT>(id), MF_BYCOMMAND);
    EXPECT_NE(state, static_cast<UINT>(-1)) << "no item " << id;
    return (state & MF_GRAYED) != 0;
}

TEST(SentenceViewMenu, ConversionsAreGreyedWithoutASelection) {
    SentenceFixture f;
    f.editor.insertText(L"\u3072\u3089\u304C\u306A text");
    f.editor.select(3, 3);
    const int ids[] = {55, 56, 57, 58, 3000, 3001};
    {
        PopupMenu menu;
        f.editor.buildLyricsMenu(menu);
        for (int id : ids) EXPECT_TRUE(isGreyed(menu, id)) << id;
        EXPECT_EQ(::GetMenuState(menu.getHandle(), TextEditor::kSelectAll, MF_BYCOMMAND) & MF_GRAYED, 0u)
            << "the editor's own items come first";
    }
    f.editor.select(0, 4);
    PopupMenu menu;
    f.editor.buildLyricsMenu(menu);
    for (int id : ids) EXPECT_FALSE(isGreyed(menu, id)) << id;
    wchar_t text[64] = {};
    ::GetMenuStringW(menu.getHandle(), 3000, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"\u3072\u3089\u304C\u306A\u3092\u30AB\u30BF\u30AB\u30CA\u306B\u5909\u63DB");
}

TEST(SentenceViewMenu, CommandsReplaceTheSelectionWithUndo) {
    SentenceFixture f;
    f.editor.insertText(L"\u3072\u3089 dog\u72AC");
    f.editor.select(0, 2);
    f.editor.runLyricsCommand(LyricsTextEditor::kToKatakana);
    EXPECT_EQ(f.editor.getDocumentText(), L"\u30D2\u30E9 dog\u72AC");
    f.editor.select(3, 7);
    f.editor.runLyricsCommand(LyricsTextEditor::kSwapLines);
    EXPECT_EQ(f.editor.getDocumentText(), L"\u30D2\u30E9 \u72AC\r\ndog\r\n\r\n");
    f.editor.undo();
    EXPECT_EQ(f.editor.getDocumentText(), L"\u30D2\u30E9 dog\u72AC");
}

std::wstring chosenPath;
bool chooseFixedPath(OPENFILENAMEW& record) {
    EXPECT_EQ(record.Flags & (OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR), static_cast<DWORD>(OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR));
    EXPECT_EQ(record.Flags & OFN_FILEMUSTEXIST, 0u) << "a new file name must be allowed";
    EXPECT_STREQ(record.lpstrDefExt, L"xml");
    EXPECT_STREQ(record.lpstrFile, L"lesson");
    if (chosenPath.empty()) return false;
    chosenPath.copy(record.lpstrFile, chosenPath.size());
    record.lpstrFile[chosenPath.size()] = L'\0';
    return true;
}

TEST(SaveXmlText, WritesUtf16OnlyWhenAFileIsChosen) {
    TempDirectory dir;
    setXmlSaveChooser(chooseFixedPath);
    chosenPath.clear();
    EXPECT_FALSE(saveXmlTextAs(nullptr, L"<a/>", L"lesson.mp3"));
    chosenPath = dir.file(L"pairs.xml");
    EXPECT_TRUE(saveXmlTextAs(nullptr, L"<a>\u65E5</a>", L"lesson.mp3"));
    setXmlSaveChooser(nullptr);
    std::wstring text;
    EXPECT_EQ(readTextFile(chosenPath, text, kEncodingUndefined), kEncodingUtf16Le);
    EXPECT_EQ(text, L"<a>\u65E5</a>");
}

// An input method that puts every selection's reading in brackets.
struct FakeReadings : RubyReadings::Source {
    bool open(const std::wstring& programId) override { return programId == L"MSIME.Japan"; }
    std::wstring makeRubyText(const std::wstring& text) override {
        return L"\uFF5C" + text + L"\u300A\u304B\u3093\u3058\u300B";
    }
};

TEST(TranslationFieldMenu, RubyItemsAddAndRemoveReadings) {
    LyricsTestFrame frame;
    MyTextEditor field;
    field.create(frame.m_hWnd, 0, 0, 300, 100);
    field.insertText(L"\u6F22\u5B57\u3067\u3059");
    field.select(2, 2);
    {
        PopupMenu menu;
        field.buildRubyMenu(menu);
        EXPECT_TRUE(isGreyed(menu, MyTextEditor::kAddRuby));
        EXPECT_TRUE(isGreyed(menu, MyTextEditor::kRemoveRuby));
    }
    RubyReadings::setSourceFactory([]() -> std::unique_ptr<RubyReadings::Source> { return std::make_unique<FakeReadings>(); });
    RubyReadings readings;
    ASSERT_TRUE(readings.open(L"MSIME.Japan"));
    field.select(0, 2);
    field.runRubyCommand(MyTextEditor::kAddRuby, readings);
    EXPECT_EQ(field.getDocumentText(), L"\uFF5C\u6F22\u5B57\u300A\u304B\u3093\u3058\u300B\u3067\u3059");
    field.select(0, 8);
    field.runRubyCommand(MyTextEditor::kRemoveRuby, readings);
    EXPECT_EQ(field.getDocumentText(), L"\u6F22\u5B57\u3067\u3059");
    RubyReadings::setSourceFactory(nullptr);
    RubyReadings missing;
    EXPECT_FALSE(missing.open(L"Corvanta.NoSuchReadings")) << "without the input method the plain menu is shown";
    RubyReadings real;
    ASSERT_TRUE(real.open(L"MSIME.Japan")) << "the reading server is registered by the test set-up";
    EXPECT_EQ(real.makeRubyText(L"漢字です"), L"｜漢字《かんじ》です");
    EXPECT_EQ(RubyReadings::withoutRubyMarks(L"a\u300Ab"), L"a") << "an unclosed reading runs to the end";
}

TEST(LyricsTable, HasNineColumnsAndLosesItsDocumentWhenEmptied) {
    SentenceFixture f;
    ASSERT_EQ(f.table.getColumnCount(), 9);
    const wchar_t* headers[] = {L"Check", L"Start", L"End", L"Sentence", L"Translation",
                                L"Explanation", L"Trial", L"Dictation", L"Writing"};
    const int widths[] = {0, 48, 48, 130, 300, 300, 0, 0, 0};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(f.table.getColumn(i).getName(), headers[i]);
        if (i == 1 || i == 2) {
            EXPECT_GE(f.table.getColumn(i).getWidth(), widths[i]) << "times grow to fit a wider font";
        } else {
            EXPECT_EQ(f.table.getColumn(i).getWidth(), widths[i]) << i;
        }
    }
    EXPECT_TRUE(f.table.getColumn(3).isNumbered());
    f.fill(2);
    ASSERT_TRUE(f.table.getParser().parseString(L"<SentenceList/>"));
    f.table.getSentenceData().push_back({1, 2});
    f.table.deleteAllItems();
    EXPECT_EQ(f.table.getItemCount(), 0);
    EXPECT_EQ(f.table.getParser().getRootElement(), nullptr);
    EXPECT_TRUE(f.table.getSentenceData().empty());
}

struct FileTableFixture {
    FileTableFixture() {
        table.createWithDefaultBounds(frame.m_hWnd);
        table.addColumn(L"Name", 130);
        table.addColumn(L"Path", 130);
    }
    LyricsTestFrame frame;
    FileTable table;
};

TEST(FileTable, TakesSupportedAudioFilesOnce) {
    EXPECT_TRUE(isSupportedAudioFile(L"C:\\a\\b.MP3"));
    EXPECT_TRUE(isSupportedAudioFile(L"b.Ogg"));
    EXPECT_TRUE(isSupportedAudioFile(L"x.wma"));
    EXPECT_FALSE(isSupportedAudioFile(L"x.wav"));
    EXPECT_FALSE(isSupportedAudioFile(L"mp3"));
    EXPECT_FALSE(isSupportedAudioFile(L"C:\\a.mp3\\b"));
    FileTableFixture f;
    f.table.onDropFiles({L"C:\\music\\one.mp3", L"C:\\music\\two.wav", L"C:\\music\\one.mp3"});
    ASSERT_EQ(f.table.getItemCount(), 1) << "an unsupported file adds nothing, a listed one is not repeated";
    EXPECT_EQ(f.table.getItemTextW(0, 0), L"one.mp3");
    EXPECT_TRUE(f.table.containsPath(L"C:\\music\\one.mp3"));
    EXPECT_FALSE(f.table.containsPath(L"C:\\music\\one"));
}

TEST(FileTable, DroppedPlayListFillsTheTableAndEmptyingForgetsIt) {
    TempDirectory dir;
    const std::wstring list = dir.file(L"list.m3u");
    ASSERT_TRUE(writeTextFile(list,
                              L"#EXTM3U\r\n#EXTINF:0,a.mp3\r\n.\\a.mp3\r\n\r\nmusic\\b.ogg\r\nC:\\x\\c.wma\r\nd.wav\r\n",
                              kEncodingAnsi));
    FileTableFixture f;
    f.table.onDropFiles({list});
    ASSERT_EQ(f.table.getItemCount(), 3);
    EXPECT_EQ(f.table.getItemTextW(1, FileTable::kPathColumn), dir.path() + L"\\music\\b.ogg");
    EXPECT_EQ(f.table.getItemTextW(2, FileTable::kPathColumn), L"C:\\x\\c.wma");
    EXPECT_EQ(f.table.getPlayListPath(), list);
    f.table.deleteAllItems();
    EXPECT_EQ(f.table.getItemCount(), 0);
    EXPECT_EQ(f.table.getPlayListPath(), L"");
}

TEST(TextEditorLoading, InsertTextReplacesAllWithOneUndoStep) {
    LyricsTestFrame frame;
    TextEditor editor;
    editor.create(frame.m_hWnd, 0, 0, 300, 100);
    editor.insertText(L"first");
    editor.insertText(L"a\nb\rc\r\nd");
    EXPECT_EQ(editor.getDocumentText(), L"a\r\nb\r\nc\r\nd") << "line ends become CR LF";
    EXPECT_EQ(editor.getCaretPosition(), editor.getTextLength());
    editor.undo();
    EXPECT_EQ(editor.getDocumentText(), L"first");
    editor.setRawText(true);
    editor.insertText(L"a\nb");
    EXPECT_EQ(editor.getDocumentText(), L"a\nb");
    editor.setJustified(false);
    EXPECT_FALSE(editor.isJustified());
    editor.setShowEndOfLine(false);
    EXPECT_FALSE(editor.isEndOfLineVisible());
}

}  // namespace
