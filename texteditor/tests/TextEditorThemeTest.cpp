#include <gtest/gtest.h>

#include <fstream>

#include "foundation/xml/Element.h"
#include "testsupport/TestWindows.h"
#include "texteditor/tests/EditorTestSupport.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/window/PopupMenu.h"

namespace {

class RecordingListener : public TextEditorListener {
public:
    void textUpdated() override { ++updates; }
    void themeApplied() override { ++themes; }
    void modifiedChanged() override { ++modifiedChanges; }
    void contextMenuOpening(TextEditor&, PopupMenu& menu) override {
        menuItems = ::GetMenuItemCount(menu.getHandle());
        ++menus;
    }
    int updates = 0;
    int themes = 0;
    int modifiedChanges = 0;
    int menus = 0;
    int menuItems = 0;
};

// Closes whatever menu is being tracked, from a timer of the tracking loop.
void CALLBACK closeMenu(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    ::EndMenu();
}

std::wstring writeBitmapFile(const TempDirectory& folder, const std::wstring& name) {
    Bitmap bitmap;
    bitmap.create(4, 3);
    const std::wstring path = folder.file(name);
    bitmap.saveAs(path);
    return path;
}

}  // namespace

TEST(TextEditorTheme, FourPaddingPiecesSetPixelsOrPercentages) {
    EditorFixture f(300, 200);
    Element theme(L"theme");
    theme.setAttribute(L"padding", L"10% 0 0 5");
    RecordingListener listener;
    f.editor.setListener(&listener);
    f.editor.applyTheme(&theme);
    const RECT client = f.editor.getClientRect();
    EXPECT_EQ(f.editor.getPadding().top, client.bottom * 10 / 100);
    EXPECT_EQ(f.editor.getPadding().left, 5);
    EXPECT_EQ(f.editor.getPaddingPercent().top, 10);
    EXPECT_EQ(listener.themes, 1);
    f.editor.applyTheme(nullptr);
    EXPECT_EQ(listener.themes, 1);
    f.editor.setListener(nullptr);
}

TEST(TextEditorTheme, OtherPieceCountsAndOutOfRangePercentagesChangeNothing) {
    EditorFixture f;
    f.editor.setPadding(3, 4, 5, 6, true);
    for (const wchar_t* value : {L"1 2 3", L"1 2 3 4 5"}) {
        Element theme(L"theme");
        theme.setAttribute(L"padding", value);
        f.editor.applyTheme(&theme);
        EXPECT_EQ(f.editor.getPadding().top, 3) << value;
        EXPECT_EQ(f.editor.getPadding().left, 6) << value;
    }
    Element theme(L"theme");
    theme.setAttribute(L"padding", L"80% 0% 4 6");
    f.editor.applyTheme(&theme);
    EXPECT_EQ(f.editor.getPadding().top, 3);    // 80 % is out of range: the pixels stay
    EXPECT_EQ(f.editor.getPadding().right, 4);  // 0 % likewise
    EXPECT_EQ(f.editor.getPadding().bottom, 4);
}

TEST(TextEditorTheme, ColoursAndOpacityComeFromAttributes) {
    EditorFixture f;
    Element theme(L"theme");
    theme.setAttribute(L"backgroundColor", L"#102030");
    theme.setAttribute(L"highlightColor", L"#FF8000");
    theme.setAttribute(L"backgroundOpacity", L"40");
    f.editor.applyTheme(&theme);
    EXPECT_EQ(f.editor.getColor(0), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(f.editor.getBackColor(), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(f.editor.getColor(2), RGB(255, 128, 0));
    EXPECT_EQ(f.editor.getBackgroundOpacity(), 40);
    EXPECT_EQ(TextEditor::getColorName(9), L"endoflineColor");
}

TEST(TextEditorTheme, BackgroundImageLoadsOnlyPicturesAndSurvivesBadFiles) {
    TempDirectory folder;
    const std::wstring picture = writeBitmapFile(folder, L"back.bmp");
    const std::wstring broken = folder.file(L"broken.png");
    std::ofstream(broken.c_str(), std::ios::binary) << "\x89PNG\r\n\x1a\n truncated";
    EditorFixture f;
    EXPECT_TRUE(f.editor.setBackgroundImage(picture));
    EXPECT_TRUE(f.editor.hasBackgroundImage());
    EXPECT_FALSE(f.editor.setBackgroundImage(broken));
    EXPECT_TRUE(f.editor.hasBackgroundImage());  // the current image stays
    EXPECT_FALSE(f.editor.setBackgroundImage(folder.file(L"notes.txt")));
    EXPECT_TRUE(f.editor.setBackgroundImage(L""));
    EXPECT_FALSE(f.editor.hasBackgroundImage());
    // A dropped picture becomes the background instead of being opened.
    f.editor.setText(L"text");
    f.editor.onDropFiles(std::vector<std::wstring>{picture});
    EXPECT_TRUE(f.editor.hasBackgroundImage());
    EXPECT_EQ(f.text(), L"text");
}

TEST(TextEditorTheme, TextIsDrawnWithoutFillOnlyWhileAnImageIsLoaded) {
    TempDirectory folder;
    const std::wstring picture = writeBitmapFile(folder, L"back.bmp");
    EditorFixture f;
    EXPECT_EQ(f.editor.getTextOutOptions(), static_cast<UINT>(ETO_OPAQUE));
    ASSERT_TRUE(f.editor.setBackgroundImage(picture));
    EXPECT_EQ(f.editor.getTextOutOptions(), 0u);
    ASSERT_TRUE(f.editor.setBackgroundImage(L""));
    EXPECT_EQ(f.editor.getTextOutOptions(), static_cast<UINT>(ETO_OPAQUE));
}

TEST(TextEditorContextMenu, RightClickOpensTheMenuAndTheListenerSeesIt) {
    EditorFixture f;
    RecordingListener listener;
    f.editor.setListener(&listener);
    f.send(WM_KEYUP, VK_APPS);  // no right press before it: no menu
    EXPECT_EQ(listener.menus, 0);
    f.send(WM_RBUTTONDOWN, 0, MAKELPARAM(5, 5));
    ::SetTimer(nullptr, 0, 50, closeMenu);
    f.send(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(listener.menus, 1);
    EXPECT_EQ(listener.menuItems, 9);
    f.editor.setListener(nullptr);
}

TEST(TextEditorListenerNotifications, TextUpdatesAndModifiedChangesReachTheListener) {
    EditorFixture f;
    RecordingListener listener;
    f.editor.setListener(&listener);
    f.editor.replaceSelection(L"a");
    f.editor.replaceSelection(L"b");
    EXPECT_EQ(listener.updates, 2);
    EXPECT_EQ(listener.modifiedChanges, 1);
    f.editor.setListener(nullptr);
}
