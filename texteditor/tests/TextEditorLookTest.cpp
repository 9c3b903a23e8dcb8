// Holds a finished-looking editor on screen for a screenshot; run by hand with
// --gtest_also_run_disabled_tests --gtest_filter=TextEditorLook.*
#include <gtest/gtest.h>

#include "testsupport/TestWindows.h"
#include "texteditor/tests/EditorTestSupport.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

// A soft diagonal gradient, opaque.
std::wstring writeGradient(const TempDirectory& folder) {
    Bitmap bitmap;
    bitmap.create(64, 64);
    unsigned char* bits = bitmap.getBits();
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            unsigned char* p = bits + 4 * (y * 64 + x);
            p[0] = static_cast<unsigned char>(255 - x);        // blue
            p[1] = static_cast<unsigned char>(180 + y);        // green
            p[2] = static_cast<unsigned char>(150 + x + y / 2);  // red
            p[3] = 255;
        }
    }
    const std::wstring path = folder.file(L"gradient.bmp");
    bitmap.saveAs(path);
    return path;
}

}  // namespace

TEST(TextEditorLook, DISABLED_WrappedJapaneseAndEnglishForAScreenshot) {
    TempDirectory folder;
    NotificationFrame frame;
    ::SetWindowTextW(frame.m_hWnd, L"Editor");
    ::SetWindowPos(frame.m_hWnd, nullptr, 40, 40, 620, 460, SWP_NOZORDER);
    TextEditor editor;
    editor.create(frame.m_hWnd, 8, 8, 590, 340);
    editor.setLineNumbersVisible(true);
    editor.setTabMarksVisible(true);
    editor.setBackgroundImage(writeGradient(folder));
    editor.setBackgroundOpacity(35);
    editor.setSyntaxStyle(L"http://", SyntaxStyle{RGB(0, 0, 200)});
    editor.setText(
        L"Listening practice: repeat each sentence after the speaker, then check the text at "
        L"http://example.com/lesson/12 and write down the words you missed.\r\n"
        L"今日は英語のリスニングを練習します。ゆっくり聞いてから、同じ速さで繰り返してください。"
        L"分からない単語は辞書で調べましょう。\r\n"
        L"Tab\tseparated\tcolumns\r\n"
        L"Mixed line: The train leaves at 7:45 (七時四十五分に出発します).\n"
        L"Last line without a break");
    FindInfo find;
    find.pattern = L"words";
    editor.setFindHighlight(find);
    editor.select(20, 52);

    TextEditor field;
    field.create(frame.m_hWnd, 8, 360, 300, 28);
    field.setSingleLine();
    field.setText(L"検索: listening");

    ::ShowWindow(frame.m_hWnd, SW_SHOW);
    ::UpdateWindow(frame.m_hWnd);
    holdForLooking("LOOK_HOLD_MS", 4000);
}
