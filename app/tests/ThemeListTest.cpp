#include <gtest/gtest.h>

#include <string>

#include "foundation/encoding/TextFile.h"
#include "foundation/xml/Element.h"
#include "app/mainwindow/ThemeList.h"
#include "app/mainwindow/ThemeMenu.h"
#include "player/tests/SettingsTestSupport.h"
#include "texteditor/editor/TextEditor.h"
#include "toolkit/graphics/Image.h"
#include "toolkit/window/BaseWindow.h"
#include "toolkit/window/PopupMenu.h"

namespace {

const wchar_t* const kNested =
    L"<Theme name=\"Root\" padding=\"1 1 1 1\">"
    L"<Group><Theme name=\"Inner\" author=\"Someone\"><Box><TextEditor padding=\"9 0 0 7\" /></Box></Theme></Group>"
    L"<TextEditor padding=\"3 0 0 3\" />"
    L"<Theme author=\"Nameless\" padding=\"5 0 0 6\" />"
    L"</Theme>";

class EditorFrame : public BaseWindow {
public:
    EditorFrame() {
        registerClass(L"ThemeTestFrame", nullptr, 0);
        create();
        view.create(m_hWnd, 0, 0, 300, 200);
        pane.create(m_hWnd, 0, 201, 280, 120);
    }
    TextEditor view;
    TextEditor pane;
};

// Takes the WM_SIZE posted to the editor, if any.
bool takeSizeMessage(const TextEditor& editor, LPARAM& size) {
    MSG msg{};
    if (!::PeekMessageW(&msg, editor.m_hWnd, WM_SIZE, WM_SIZE, PM_REMOVE)) return false;
    size = msg.lParam;
    return true;
}

}  // namespace

TEST(ThemeList, EveryThemeElementInDocumentOrderWithItsEditorAttributes) {
    ThemeList themes;
    ASSERT_TRUE(themes.loadText(kNested));
    ASSERT_EQ(themes.size(), 3u);
    EXPECT_EQ(themes.getTheme(0)->getAttribute(L"name"), L"Root") << "the root counts";
    EXPECT_EQ(themes.getTheme(1)->getAttribute(L"name"), L"Inner");
    EXPECT_EQ(themes.getEditorElement(0)->getAttribute(L"padding"), L"9 0 0 7")
        << "the first TextEditor at or below the theme, however deep";
    EXPECT_EQ(themes.getEditorElement(1)->getAttribute(L"padding"), L"9 0 0 7");
    EXPECT_EQ(themes.getEditorElement(2), themes.getTheme(2)) << "no TextEditor: the theme itself";

    EXPECT_EQ(themes.getMenuText(0), L"Root");
    EXPECT_EQ(themes.getMenuText(1), L"Inner\t(Someone)");
    EXPECT_EQ(themes.getMenuText(2), L"\t(Nameless)");

    EXPECT_EQ(themes.getTheme(3), nullptr);
    EXPECT_EQ(themes.getEditorElement(3), nullptr);
    EXPECT_EQ(themes.getMenuText(99), L"");
}

TEST(ThemeList, AMissingOrBrokenFileLeavesNoThemes) {
    installRecordingMessageSink();
    SettingsFolder folder;
    ThemeList themes;
    EXPECT_FALSE(themes.load(folder.file(L"none.xml")));
    EXPECT_EQ(themes.size(), 0u);
    EXPECT_TRUE(takeShownMessages().empty()) << "a missing list is no error to show";

    const std::wstring good = folder.file(L"good.xml");
    ASSERT_TRUE(writeTextFile(good, kNested, kEncodingUtf8));
    ASSERT_TRUE(themes.load(good));
    EXPECT_EQ(themes.size(), 3u);
    const std::wstring broken = folder.file(L"broken.xml");
    ASSERT_TRUE(writeTextFile(broken, L"<ThemeList><Theme name=\"x\"></ThemeList>", kEncodingUtf8));
    EXPECT_FALSE(themes.load(broken));
    EXPECT_EQ(themes.size(), 0u) << "not the themes of the file read before";
    takeShownMessages();
    EXPECT_FALSE(themes.loadText(L"<Theme"));
    EXPECT_EQ(themes.size(), 0u);
}

TEST(ThemeApplying, BothEditorsTakeTheThemeAndLayOutAgain) {
    EditorFrame frame;
    ThemeList themes;
    ASSERT_TRUE(themes.loadText(kNested));
    ASSERT_TRUE(applyTheme(themes, 2, {&frame.view, &frame.pane}));
    EXPECT_EQ(frame.view.getPadding().top, 5);
    EXPECT_EQ(frame.view.getPadding().left, 6);
    EXPECT_EQ(frame.pane.getPadding().left, 6);
    LPARAM size = 0;
    ASSERT_TRUE(takeSizeMessage(frame.view, size));
    EXPECT_EQ(size, MAKELPARAM(frame.view.getWidth(), frame.view.getHeight()));
    ASSERT_TRUE(takeSizeMessage(frame.pane, size));
    EXPECT_EQ(size, MAKELPARAM(frame.pane.getWidth(), frame.pane.getHeight()));
}

TEST(ThemeApplying, ANumberThatNamesNoThemeChangesNothing) {
    EditorFrame frame;
    ThemeList themes;
    ASSERT_TRUE(themes.loadText(kNested));
    ASSERT_TRUE(applyTheme(themes, 0, {&frame.view}));
    LPARAM size = 0;
    takeSizeMessage(frame.view, size);
    for (int index : {3, -1, 1000000}) {
        EXPECT_FALSE(applyTheme(themes, index, {&frame.view, &frame.pane})) << index;
        EXPECT_FALSE(takeSizeMessage(frame.view, size)) << index;
    }
    EXPECT_EQ(frame.view.getPadding().top, 9);
    ThemeList empty;
    EXPECT_FALSE(applyTheme(empty, 0, {&frame.view}));
}

TEST(ThemeMenu, OneItemPerThemeFromIdTen) {
    ThemeList themes;
    ASSERT_TRUE(themes.loadText(kNested));
    PopupMenu menu;
    buildThemeMenu(menu, themes);
    ASSERT_EQ(::GetMenuItemCount(menu.getHandle()), 3);
    for (UINT i = 0; i < 3; ++i) {
        EXPECT_EQ(::GetMenuItemID(menu.getHandle(), static_cast<int>(i)), 10 + i);
        EXPECT_EQ(::GetMenuState(menu.getHandle(), i, MF_BYPOSITION) & MF_GRAYED, 0u);
    }
    wchar_t text[64] = {};
    ::GetMenuStringW(menu.getHandle(), 11, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"Inner\t(Someone)");
    ThemeList none;
    EXPECT_EQ(showThemeMenu(nullptr, none), -1) << "no themes: no menu";
}

TEST(ShippedThemes, ListThemesWhosePicturesLoadAndApply) {
    ThemeList themes;
    ASSERT_TRUE(themes.load(ThemeList::kPath));
    ASSERT_GE(themes.size(), 4u);
    EXPECT_EQ(themes.getMenuText(0), L"Midnight\t(Corvanta)");
    EXPECT_EQ(themes.getMenuText(1), L"\u548C\u7D19 (Washi)\t(Corvanta)");
    size_t pictures = 0;
    for (size_t i = 0; i < themes.size(); ++i) {
        const std::wstring picture = themes.getEditorElement(i)->getAttribute(L"backgroundImage");
        if (picture.empty()) continue;
        Image image;
        EXPECT_TRUE(image.load(picture)) << picture;
        ++pictures;
    }
    EXPECT_GE(pictures, 3u);

    EditorFrame frame;
    ASSERT_TRUE(applyTheme(themes, 0, {&frame.view, &frame.pane}));
    EXPECT_TRUE(frame.view.hasBackgroundImage());
    EXPECT_TRUE(frame.pane.hasBackgroundImage());
    EXPECT_EQ(frame.view.getPadding().top, 8);
    // The plain theme has no TextEditor element: its own attributes clear the picture.
    ASSERT_TRUE(applyTheme(themes, static_cast<int>(themes.size()) - 1, {&frame.view}));
    EXPECT_FALSE(frame.view.hasBackgroundImage());
    EXPECT_EQ(frame.view.getPadding().left, 4);
}
