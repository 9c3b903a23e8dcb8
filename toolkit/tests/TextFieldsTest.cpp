#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "testsupport/TestWindows.h"
#include "toolkit/tests/TestFrames.h"
#include "toolkit/widgets/TextArea.h"
#include "toolkit/widgets/TextField.h"

namespace {

void typeText(HWND field, const std::wstring& text) {
    for (wchar_t c : text) ::PostMessageW(field, WM_CHAR, c, 1);
    pumpMessages();
}

// A key press as the message loop sees it: TranslateMessage adds the character.
void pressKey(HWND field, UINT key) {
    ::PostMessageW(field, WM_KEYDOWN, key, 1);
    ::PostMessageW(field, WM_KEYUP, key, 0xC0000001);
    pumpMessages();
}

bool setClipboardText(const std::wstring& text) {
    if (!::OpenClipboard(nullptr)) return false;
    ::EmptyClipboard();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::memcpy(::GlobalLock(block), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    ::GlobalUnlock(block);
    const bool ok = ::SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    ::CloseClipboard();
    return ok;
}

bool emptyClipboard() {
    if (!::OpenClipboard(nullptr)) return false;
    ::EmptyClipboard();
    ::CloseClipboard();
    return true;
}

std::wstring clipboardText() {
    std::wstring text;
    if (!::OpenClipboard(nullptr)) return text;
    if (HANDLE block = ::GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(::GlobalLock(block));
        ::GlobalUnlock(block);
    }
    ::CloseClipboard();
    return text;
}

const wchar_t kCtrlC = 0x03;
const wchar_t kCtrlV = 0x16;
const wchar_t kCtrlX = 0x18;

}  // namespace

class TextFields : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.create());
        ::SetWindowPos(frame.m_hWnd, nullptr, 50, 50, 400, 300, SWP_NOZORDER);
        frame.setVisible(true);
        ASSERT_TRUE(first.create(frame.m_hWnd, 10, 10, 200, 22));
        ASSERT_TRUE(second.create(frame.m_hWnd, 10, 40, 200, 22));
        ASSERT_TRUE(area.create(frame.m_hWnd, 10, 70, 200, 80));
        first.setFocus();
        pumpMessages();
    }

    RecordingFrame frame;
    TextField first;
    TextField second;
    TextArea area;
};

TEST_F(TextFields, TypedCharactersAreInsertedAndSetTextReplacesTheText) {
    typeText(first.m_hWnd, L"abc");
    EXPECT_EQ(first.getText(), L"abc");
    first.setText(std::wstring(L"xyz"));
    EXPECT_EQ(first.getTextCopy(), L"xyz");
    first.setNumber(-42);
    EXPECT_EQ(first.getText(), L"-42");
}

TEST_F(TextFields, FileNameFilterRefusesTypedAndStripsPastedCharacters) {
    first.setFileNameFilter(true);
    typeText(first.m_hWnd, L"a?b:");
    EXPECT_EQ(first.getText(), L"ab");
    ASSERT_TRUE(setClipboardText(L"c?d"));
    typeText(first.m_hWnd, std::wstring(1, kCtrlV));
    EXPECT_EQ(first.getText(), L"abcd");
    first.setText(std::wstring(L"x\\y/z*\"<>|"));
    EXPECT_EQ(first.getText(), L"xyz");
}

TEST_F(TextFields, MarkupFilterRefusesTypedAndBlanksPastedCharacters) {
    first.setMarkupFilter(true);
    typeText(first.m_hWnd, L"<a>");
    EXPECT_EQ(first.getText(), L"a");
    ASSERT_TRUE(setClipboardText(L"b<c"));
    typeText(first.m_hWnd, std::wstring(1, kCtrlV));
    EXPECT_EQ(first.getText(), L"ab c");
}

TEST_F(TextFields, TranslatedCharactersAreCheckedAsTheirMappedValue) {
    first.setFileNameFilter(true);
    first.mapCharacter(L'#', L'?');
    typeText(first.m_hWnd, L"a#b");
    EXPECT_EQ(first.getText(), L"ab");
}

TEST_F(TextFields, SingleLineFieldMovesTheFocusOnTabAndIgnoresEnter) {
    typeText(first.m_hWnd, L"a");
    pressKey(first.m_hWnd, VK_RETURN);
    EXPECT_EQ(first.getText(), L"a");
    pressKey(first.m_hWnd, VK_TAB);
    EXPECT_TRUE(second.hasFocus());
    EXPECT_EQ(first.getText(), L"a");
}

TEST_F(TextFields, MultiLineFieldInsertsOneTabAndStopsEnterAtTheLineLimit) {
    area.setFocus();
    area.setLineLimit(2);
    typeText(area.m_hWnd, L"a");
    pressKey(area.m_hWnd, VK_TAB);
    EXPECT_EQ(area.getText(), L"a\t");
    pressKey(area.m_hWnd, VK_RETURN);
    typeText(area.m_hWnd, L"b");
    EXPECT_EQ(area.getText(), L"a\t\r\nb");
    EXPECT_EQ(area.getLineCount(), 2);
    pressKey(area.m_hWnd, VK_RETURN);
    EXPECT_EQ(area.getText(), L"a\t\r\nb");
    EXPECT_TRUE(area.hasFocus());
}

TEST_F(TextFields, ReadOnlyFieldRefusesTypingCutAndPaste) {
    first.setText(std::wstring(L"keep"));
    first.setReadOnly(true);
    typeText(first.m_hWnd, L"x");
    first.selectAll();
    ::SendMessageW(first.m_hWnd, WM_CUT, 0, 0);
    ASSERT_TRUE(setClipboardText(L"pasted"));
    ::SendMessageW(first.m_hWnd, WM_PASTE, 0, 0);
    pressKey(first.m_hWnd, VK_BACK);
    EXPECT_EQ(first.getText(), L"keep");
}

TEST_F(TextFields, SelectCutCopyAndPasteGoThroughTheClipboard) {
    typeText(first.m_hWnd, L"hello");
    first.selectAll();
    typeText(first.m_hWnd, std::wstring(1, kCtrlC));
    EXPECT_EQ(clipboardText(), L"hello");
    typeText(first.m_hWnd, std::wstring(1, kCtrlX));
    EXPECT_EQ(first.getText(), L"");
    EXPECT_EQ(clipboardText(), L"hello");
    second.setFocus();
    typeText(second.m_hWnd, L"<");
    typeText(second.m_hWnd, std::wstring(1, kCtrlV));
    EXPECT_EQ(second.getText(), L"<hello");
    ::SendMessageW(second.m_hWnd, EM_SETSEL, 1, 3);
    second.replaceSelection(L"J");
    EXPECT_EQ(second.getText(), L"<Jllo");
}

TEST_F(TextFields, PasteWithoutClipboardTextKeepsTheSelection) {
    first.setText(std::wstring(L"selected"));
    first.selectAll();
    ASSERT_TRUE(emptyClipboard());
    ::SendMessageW(first.m_hWnd, WM_PASTE, 0, 0);
    EXPECT_EQ(first.getText(), L"selected");
}

TEST_F(TextFields, BackColourMakesTheBrushAndNumericStyleAlignsRight) {
    EXPECT_EQ(first.getBackgroundBrush(), nullptr);
    first.setBackColor(0x00FF00);
    EXPECT_NE(first.getBackgroundBrush(), nullptr);
    first.setStyle(first.getStyle() | ES_NUMBER);
    EXPECT_TRUE(first.getStyle() & ES_RIGHT);
    first.destroy();
    EXPECT_EQ(first.getBackgroundBrush(), nullptr);
}
