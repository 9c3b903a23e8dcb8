#include <gtest/gtest.h>

#include <windows.h>
#include <imm.h>

#include "texteditor/tests/KeyboardTestSupport.h"

namespace {

// Wine's built-in input method composes what it is given and sends the result to the
// editor when told to complete it.
struct ImeFixture : EditorFixture {
    void finish(const std::wstring& result) {
        HIMC context = ::ImmGetContext(editor.m_hWnd);
        ASSERT_NE(context, nullptr);
        ::ImmSetOpenStatus(context, TRUE);
        std::wstring buffer(result);
        ::ImmSetCompositionStringW(context, SCS_SETSTR, &buffer[0], static_cast<DWORD>(buffer.size() * sizeof(wchar_t)),
                                   nullptr, 0);
        ::ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
        ::ImmReleaseContext(editor.m_hWnd, context);
    }
};

}  // namespace

TEST(TextEditorIme, AResultStringIsOneUndoableReplacement) {
    ImeFixture f;
    f.editor.setText(L"I am a student.");
    const size_t before = undoSteps(f);
    f.send(EM_SETSEL, 7, 14);
    f.finish(L"\u5b66\u751f\u3067\u3059");
    EXPECT_EQ(f.text(), L"I am a \u5b66\u751f\u3067\u3059.");
    EXPECT_EQ(f.editor.getCaretPosition(), 11u);
    EXPECT_EQ(undoSteps(f), before + 1);
    f.send(WM_UNDO);
    EXPECT_EQ(f.text(), L"I am a student.");
}

TEST(TextEditorIme, CompositionWithoutResultOrInAReadOnlyEditorChangesNothing) {
    ImeFixture f;
    f.editor.setText(L"ab");
    f.send(WM_IME_COMPOSITION, 0, GCS_COMPSTR);  // still composing
    EXPECT_EQ(f.text(), L"ab");
    f.editor.setReadOnly(true);
    f.finish(L"y");
    EXPECT_EQ(f.text(), L"ab");
    f.send(WM_IME_CHAR, L'z');  // results come only through the composition message
    EXPECT_EQ(f.text(), L"ab");
}

TEST(TextEditorIme, LongResultArrivesWhole) {
    ImeFixture f;
    const std::wstring longResult(1500, L'\u3042');
    f.finish(longResult);
    EXPECT_EQ(f.text(), longResult);
}

TEST(TextEditorIme, ReconversionOffersTheSelectionBehindA32ByteHeader) {
    EditorFixture f;
    f.editor.setText(L"ab\r\ncdef");
    f.send(EM_SETSEL, 5, 7);
    const LRESULT size = f.send(WM_IME_REQUEST, IMR_RECONVERTSTRING, 0);
    ASSERT_EQ(size, (2 + 1) * 2 + 32);
    std::vector<char> buffer(static_cast<size_t>(size));
    auto* reconvert = reinterpret_cast<RECONVERTSTRING*>(buffer.data());
    EXPECT_EQ(f.send(WM_IME_REQUEST, IMR_RECONVERTSTRING, reinterpret_cast<LPARAM>(reconvert)), size);
    EXPECT_EQ(reconvert->dwStrLen, 2u);
    EXPECT_EQ(reconvert->dwStrOffset, 32u);
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(buffer.data() + 32)), L"de");
    // With nothing selected the caret's line is offered without its line break.
    f.editor.setCaretPosition(1);
    EXPECT_EQ(f.send(WM_IME_REQUEST, IMR_RECONVERTSTRING, 0), (2 + 1) * 2 + 32);
}
