#include <gtest/gtest.h>

#include <richedit.h>

#include "texteditor/tests/EditorTestSupport.h"

TEST(TextEditorMessages, GetTextNeverWritesPastTheBuffer) {
    EditorFixture f;
    f.send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"abcdef"));
    wchar_t buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), L'#');
    EXPECT_EQ(f.send(WM_GETTEXT, 4, reinterpret_cast<LPARAM>(buffer)), 3);
    EXPECT_EQ(std::wstring(buffer, 5), std::wstring(L"abc\0#", 5));
    std::fill(std::begin(buffer), std::end(buffer), L'#');
    EXPECT_EQ(f.send(WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);
    EXPECT_EQ(buffer[0], L'#');
    EXPECT_EQ(f.send(WM_GETTEXT, 0, 0), 6);
    EXPECT_EQ(f.send(WM_GETTEXTLENGTH), 6);
    EXPECT_EQ(f.editor.getText(), L"abcdef");  // GetWindowTextW goes through the same path
}

TEST(TextEditorMessages, SetSelCutsToTheTextAndGetSelOrdersTheEnds) {
    EditorFixture f;
    f.editor.setText(L"0123456789");
    f.send(EM_SETSEL, 0, -1);
    DWORD start = 99, end = 99;
    EXPECT_EQ(f.send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end)), MAKELONG(0, 10));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 10u);
    f.send(EM_SETSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(f.editor.getSelectionState().anchor, 10u);
    EXPECT_EQ(f.editor.getCaretPosition(), 0u);
    EXPECT_EQ(f.send(EM_GETSEL), MAKELONG(0, 10));
    CHARRANGE range{2, 4};
    f.send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARRANGE read{};
    EXPECT_EQ(f.send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&read)), MAKELONG(2, 4));
    EXPECT_EQ(read.cpMin, 2);
    EXPECT_EQ(read.cpMax, 4);
}

TEST(TextEditorMessages, PointerMessagesIgnoreANullPointer) {
    EditorFixture f;
    f.editor.setText(L"abc");
    EXPECT_EQ(f.send(EM_EXGETSEL, 0, 0), 0);
    EXPECT_EQ(f.send(EM_EXSETSEL, 0, 0), 0);
    EXPECT_EQ(f.send(EM_GETRECT, 0, 0), 0);
    EXPECT_EQ(f.send(EM_SETRECT, 0, 0), 0);
    EXPECT_EQ(f.send(EM_SETRECTNP, 0, 0), 0);
    EXPECT_EQ(f.send(EM_SETCHARFORMAT, 0, 0), 0);
    RECT r{5, 6, 7, 8};
    f.send(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
    RECT back{};
    f.send(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&back));
    EXPECT_EQ(back.left, 5);
    EXPECT_EQ(back.bottom, 8);
}

TEST(TextEditorMessages, LineQueriesCountBreaksAndTheSentinel) {
    EditorFixture f;
    f.editor.setText(L"one\r\ntwo\nlast");
    EXPECT_EQ(f.send(EM_LINEINDEX, 1), 5);
    EXPECT_EQ(f.send(EM_LINEINDEX, 3), 13);  // the sentinel: the text length
    EXPECT_EQ(f.send(EM_LINEINDEX, 4), -1);
    f.send(EM_SETSEL, 7, 6);
    EXPECT_EQ(f.send(EM_LINEINDEX, static_cast<WPARAM>(-1)), 5);
    EXPECT_EQ(f.send(EM_LINELENGTH, 1), 5);   // "one\r\n"
    EXPECT_EQ(f.send(EM_LINELENGTH, 12), 4);  // "last" has no break
    wchar_t buffer[16] = {};
    buffer[0] = 3;  // the buffer size in its first WORD
    buffer[3] = L'#';
    EXPECT_EQ(f.send(EM_GETLINE, 1, reinterpret_cast<LPARAM>(buffer)), 3);
    EXPECT_EQ(std::wstring(buffer, 4), L"two#");
    buffer[0] = 16;
    EXPECT_EQ(f.send(EM_GETLINE, 1, reinterpret_cast<LPARAM>(buffer)), 4);
    EXPECT_EQ(std::wstring(buffer), L"two\n");
    EXPECT_EQ(f.send(EM_GETLINE, 0, 0), 5);
    EXPECT_EQ(f.send(EM_GETLINECOUNT), 3);
    EXPECT_EQ(f.send(EM_LINEFROMCHAR, 9), 2);
}

TEST(TextEditorMessages, WrappedRowsCountAsLinesAndPositionFollowsThem) {
    EditorFixture f(120, 200);
    std::wstring text;
    for (int i = 0; i < 120; ++i) text += L"word ";
    f.editor.setText(text);
    const LRESULT rows = f.send(EM_GETLINECOUNT);
    EXPECT_GT(rows, 3);
    const int lineHeight = f.editor.getLineHeight();
    const LRESULT first = f.send(EM_POSFROMCHAR, 0);
    const LRESULT late = f.send(EM_POSFROMCHAR, 100);
    const int row = static_cast<int>(f.send(EM_LINEFROMCHAR, 100));
    EXPECT_GT(row, 0);
    EXPECT_EQ(static_cast<short>(HIWORD(late)) - static_cast<short>(HIWORD(first)), row * lineHeight);
    f.send(EM_LINESCROLL, 0, 1);
    EXPECT_EQ(f.send(EM_GETFIRSTVISIBLELINE), 1);
    EXPECT_EQ(static_cast<short>(HIWORD(f.send(EM_POSFROMCHAR, 100))),
              static_cast<short>(HIWORD(late)) - lineHeight);
    // The hit test finds the character back from its position.
    const LRESULT hit = f.send(EM_CHARFROMPOS, 0, f.send(EM_POSFROMCHAR, 100));
    EXPECT_EQ(HIWORD(hit), 0);
    EXPECT_EQ(f.editor.getDocument().getLineStart(0) + LOWORD(hit), 100u);
}

TEST(TextEditorMessages, EveryLineGetsARowInAVeryWideEditor) {
    EditorFixture f(5000, 200);
    f.editor.setText(L"a\r\nb");
    f.editor.appendText(L"\r\nc\r\nd");
    EXPECT_EQ(f.send(EM_GETLINECOUNT), 4);
    EXPECT_EQ(f.send(EM_LINEFROMCHAR, 9), 3);
}

TEST(TextEditorMessages, FontMessagesKeepOneFont) {
    EditorFixture f;
    const LRESULT font = f.send(WM_GETFONT);
    EXPECT_NE(font, 0);
    EXPECT_EQ(f.send(WM_GETFONT), font);
    LOGFONTW logFont = f.editor.getLogFont();
    logFont.lfHeight = -20;
    f.editor.setLogFont(logFont);
    EXPECT_NE(f.send(WM_GETFONT), font);
    EXPECT_EQ(f.editor.getLogFont().lfHeight, -20);
    f.send(WM_COMMAND, TextEditor::kFontLarger);
    EXPECT_EQ(f.editor.getLogFont().lfHeight, -22);
    f.send(WM_COMMAND, TextEditor::kFontSmaller);
    f.send(WM_COMMAND, TextEditor::kFontSmaller);
    EXPECT_EQ(f.editor.getLogFont().lfHeight, -18);
    CHARFORMATW format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_FACE | CFM_ITALIC;
    format.dwEffects = CFE_ITALIC;
    wcscpy(format.szFaceName, L"Courier New");
    EXPECT_EQ(f.send(EM_SETCHARFORMAT, 0, reinterpret_cast<LPARAM>(&format)), 1);
    EXPECT_EQ(f.editor.getLogFont().lfItalic, 1);
}

TEST(TextEditorMessages, CharacterWidthsOfBreaksAndTabs) {
    TextEditor windowless;
    EXPECT_EQ(windowless.getCharWidth(L'\t'), 0u);  // no font metrics yet
    EditorFixture f;
    EXPECT_EQ(f.editor.getCharWidth(L'\r'), 0u);
    EXPECT_EQ(f.editor.getCharWidth(L'\n'), 0u);
    EXPECT_GT(f.editor.getCharWidth(L'\t'), f.editor.getCharWidth(L'i'));
    EXPECT_EQ(f.editor.getCharWidth(0xD83D), f.editor.getCharWidth(0x3000));
}

TEST(TextEditorMessages, UnsupportedEditMessagesChangeNothing) {
    EditorFixture f;
    f.editor.replaceSelection(L"abc");
    for (UINT msg : {EM_SETHANDLE, EM_GETHANDLE, EM_FMTLINES, EM_SETTABSTOPS, EM_SETPASSWORDCHAR,
                     EM_EMPTYUNDOBUFFER, EM_GETPASSWORDCHAR}) {
        EXPECT_EQ(f.send(msg, 1, 0), 0) << msg;
    }
    EXPECT_EQ(f.send(EM_SETOPTIONS, 1, 0), 0);
    EXPECT_TRUE(f.send(EM_CANUNDO));  // EM_EMPTYUNDOBUFFER left the history alone
    EXPECT_EQ(f.text(), L"abc");
}

TEST(TextEditorMessages, MarginsAndCanPaste) {
    EditorFixture f;
    f.send(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(7, 9));
    EXPECT_EQ(f.send(EM_GETMARGINS), MAKELONG(7, 9));
    EXPECT_EQ(f.send(EM_CANPASTE, 0), 0);
    EXPECT_EQ(f.send(EM_CANPASTE, CF_UNICODETEXT), 1);
    EXPECT_EQ(f.send(EM_CANPASTE, CF_HDROP), 1);
    EXPECT_EQ(f.send(EM_CANPASTE, CF_DIB), 0);
}

TEST(TextEditorClipboard, CopyCutAndPasteGoThroughTheSystemClipboard) {
    EditorFixture f;
    f.editor.setText(L"alpha \x65E5\x672C beta");
    f.send(EM_SETSEL, 0, 0);
    EXPECT_EQ(f.send(WM_COPY), 1);  // nothing selected
    f.send(EM_SETSEL, 6, 8);
    EXPECT_EQ(f.send(WM_COPY), 0);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(::GlobalLock(data))), L"\x65E5\x672C");
    ::GlobalUnlock(data);
    ::CloseClipboard();
    f.send(EM_SETSEL, 0, 6);
    f.send(WM_CUT);
    EXPECT_EQ(f.text(), L"\x65E5\x672C beta");
    f.send(EM_SETSEL, 7, 7);
    f.send(WM_PASTE);
    EXPECT_EQ(f.text(), L"\x65E5\x672C betaalpha ");
    f.send(EM_UNDO);
    f.send(EM_UNDO);
    EXPECT_EQ(f.text(), L"alpha \x65E5\x672C beta");
}

TEST(TextEditorClipboard, SingleLinePasteDropsBreaksAndTabs) {
    EditorFixture f;
    f.editor.setText(L"x\r\n\ty");
    f.send(EM_SETSEL, 0, -1);
    f.send(WM_COPY);
    EditorFixture field;
    field.editor.setSingleLine();
    field.send(WM_PASTE);
    EXPECT_EQ(field.text(), L"xy");
}

TEST(TextEditorContextMenu, ItemsIdsAndTextsFollowTheEditorState) {
    EditorFixture f;
    f.editor.setText(L"some text");
    f.send(EM_SETSEL, 0, 4);
    f.send(EM_SETREADONLY, 1);
    const auto items = f.editor.getContextMenuItems();
    ASSERT_EQ(items.size(), 9u);
    const int ids[] = {100, 101, 0, 1002, 1000, 1001, 1005, 0, 1003};
    const wchar_t* texts[] = {L"&Undo\t\tCtrl+Z", L"&Redo\t\tCtrl+Y", L"", L"Cu&t\t\tCtrl+X", L"&Copy\t\tCtrl+C",
                              L"&Paste\t\tCtrl+V", L"&Delete\t\tDel", L"", L"Select &All\t\tCtrl+A"};
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].id, ids[i]) << i;
        EXPECT_EQ(items[i].text, texts[i]) << i;
        const bool enabled = items[i].id == 1000 || items[i].id == 1003;  // Copy and Select All only
        EXPECT_EQ(items[i].enabled, enabled) << i;
    }
}

TEST(TextEditorContextMenu, CommandsReachTheEditor) {
    EditorFixture f;
    f.editor.setText(L"\x201Cquoted\x201D \x2018it\x2019s\x2019 \x6F22\x5B57");
    f.send(WM_COMMAND, TextEditor::kSelectAll);
    EXPECT_EQ(f.editor.getSelection(), TextRange(0, static_cast<int>(f.text().size())));
    f.send(WM_COMMAND, TextEditor::kStraightenQuotes);
    EXPECT_EQ(f.text(), L"\"quoted\" 'it's' \x6F22\x5B57");
    f.send(WM_COMMAND, TextEditor::kUndo);
    EXPECT_EQ(f.text(), L"\x201Cquoted\x201D \x2018it\x2019s\x2019 \x6F22\x5B57");
    f.send(EM_SETSEL, 0, 1);
    f.send(WM_COMMAND, TextEditor::kDelete);
    EXPECT_EQ(f.text().substr(0, 6), L"quoted");
    f.send(WM_COMMAND, TextEditor::kClearModified);
    EXPECT_FALSE(f.editor.isModified());
}

TEST(TextEditorColors, ParseColorReadsRgbIntoColorref) {
    EXPECT_EQ(TextEditor::parseColor(L"#FF8000"), RGB(255, 128, 0));
    EXPECT_EQ(TextEditor::parseColor(L"#ff8000"), RGB(255, 128, 0));
    EXPECT_EQ(TextEditor::parseColor(L"#"), 0u);
    EXPECT_EQ(TextEditor::parseColor(L"FF8000"), 0u);
}

TEST(TextEditorMessages, ScrollMessagesNotifyAndMoveTheView) {
    EditorFixture f(300, 100);
    std::wstring text;
    for (int i = 0; i < 50; ++i) text += L"row\r\n";
    f.editor.setText(text);
    f.frame.forget();
    f.send(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(f.frame.count(EN_VSCROLL), 1);
    EXPECT_EQ(f.send(EM_GETFIRSTVISIBLELINE), 1);
    f.send(EM_SCROLL, SB_PAGEDOWN);
    EXPECT_GT(f.send(EM_GETFIRSTVISIBLELINE), 2);
    f.send(WM_VSCROLL, SB_BOTTOM);
    const LRESULT bottom = f.send(EM_GETFIRSTVISIBLELINE);
    f.send(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(f.send(EM_GETFIRSTVISIBLELINE), bottom);  // never past the end
    f.send(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(f.send(EM_GETFIRSTVISIBLELINE), 0);
    f.send(WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(f.frame.count(EN_HSCROLL), 1);
    // Selecting far down scrolls the caret's row into view.
    f.send(EM_SETSEL, 200, 200);
    const LRESULT first = f.send(EM_GETFIRSTVISIBLELINE);
    EXPECT_LE(first, 40);
    EXPECT_GT(first + f.editor.getVisibleRows(), 40);
}

TEST(TextEditorMessages, OnlyEditableMultiLineEditorsAcceptDroppedFiles) {
    EditorFixture f;
    auto accepts = [&](HWND hwnd) { return (::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0; };
    EXPECT_TRUE(accepts(f.editor.m_hWnd));
    f.send(EM_SETREADONLY, 1);
    EXPECT_FALSE(accepts(f.editor.m_hWnd));
    f.send(EM_SETREADONLY, 0);
    EXPECT_TRUE(accepts(f.editor.m_hWnd));
    f.editor.setSingleLine();
    EXPECT_FALSE(accepts(f.editor.m_hWnd));
}

TEST(TextEditorMessages, ReconversionRequestHandsOverTheSelection) {
    EditorFixture f;
    f.editor.setText(L"first line\r\n\x6F22\x5B57 here\r\n");
    f.send(EM_SETSEL, 12, 14);
    const LRESULT size = f.send(WM_IME_REQUEST, IMR_RECONVERTSTRING, 0);
    EXPECT_EQ(size, (2 + 1) * 2 + 32);
    std::vector<char> buffer(static_cast<size_t>(size), '\0');
    auto* reconvert = reinterpret_cast<RECONVERTSTRING*>(buffer.data());
    EXPECT_EQ(f.send(WM_IME_REQUEST, IMR_RECONVERTSTRING, reinterpret_cast<LPARAM>(reconvert)), size);
    EXPECT_EQ(reconvert->dwStrLen, 2u);
    EXPECT_EQ(reconvert->dwStrOffset, 32u);
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(buffer.data() + 32)), L"\x6F22\x5B57");
    f.send(EM_SETSEL, 3, 3);  // nothing selected: the caret's line without its break
    EXPECT_EQ(f.send(WM_IME_REQUEST, IMR_RECONVERTSTRING, 0), (10 + 1) * 2 + 32);
    EXPECT_EQ(f.send(WM_IME_REQUEST, IMR_COMPOSITIONWINDOW, 0), 0);
}

// A font sent with WM_SETFONT stays its sender's: the editor works on a copy.
TEST(TextEditorFont, ASentFontOutlivesTheEditor) {
    LOGFONTW logFont{};
    logFont.lfHeight = -15;
    ::wcscpy(logFont.lfFaceName, L"Tahoma");
    HFONT shared = ::CreateFontIndirectW(&logFont);
    {
        EditorFixture fixture;
        TextEditor& editor = fixture.editor;
        ::SendMessageW(editor.m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(shared), 0);
        HFONT held = reinterpret_cast<HFONT>(::SendMessageW(editor.m_hWnd, WM_GETFONT, 0, 0));
        EXPECT_NE(held, shared);
        LOGFONTW copy{};
        ASSERT_TRUE(::GetObjectW(held, sizeof copy, &copy));
        EXPECT_EQ(copy.lfHeight, -15);
    }
    LOGFONTW after{};
    EXPECT_TRUE(::GetObjectW(shared, sizeof after, &after));
    ::DeleteObject(shared);
}
