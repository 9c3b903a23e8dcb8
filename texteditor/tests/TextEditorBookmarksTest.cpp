#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "testsupport/TestWindows.h"
#include "texteditor/tests/EditorTestSupport.h"

namespace {

using Lines = std::vector<int>;

struct BookmarkFolder {
    BookmarkFolder() { BookmarkManager::setListPath(folder.file(L"Files.xml")); }
    ~BookmarkFolder() { BookmarkManager::setListPath(L""); }
    std::wstring textFile(const std::wstring& name, const char* text) const {
        const std::wstring path = folder.file(name);
        std::ofstream(path.c_str(), std::ios::binary) << text;
        return path;
    }
    TempDirectory folder;
};

const char kTenLines[] = "zero\r\none\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix\r\nseven\r\neight\r\nnine\r\n";

int lineStart(TextEditor& editor, int line) {
    return static_cast<int>(editor.getDocument().getLineStart(static_cast<uint32_t>(line)));
}

}  // namespace

TEST(TextEditorBookmarks, TheMarginComesWithTheFirstBookmarkAndGoesWithTheLast) {
    EditorFixture f;
    f.editor.setText(L"a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n");
    const int plainLeft = f.editor.getTextLeft();
    f.editor.toggleBookmark(5, true);
    EXPECT_TRUE(f.editor.isBookmarkMarginShown());
    EXPECT_EQ(f.editor.getTextLeft(), plainLeft + TextEditor::kBookmarkMarginWidth + 8);
    EXPECT_TRUE(f.editor.isInBookmarkMargin(2, 5));
    f.editor.toggleBookmark(5, true);
    EXPECT_FALSE(f.editor.isBookmarkMarginShown());
    EXPECT_EQ(f.editor.getTextLeft(), plainLeft);
    EXPECT_FALSE(f.editor.isInBookmarkMargin(2, 5));
}

TEST(TextEditorBookmarks, APressInTheMarginTogglesTheLineUnderIt) {
    EditorFixture f;
    f.editor.setText(L"a\r\nb\r\nc\r\nd\r\n");
    f.editor.toggleBookmark(0, true);  // the margin shows from the first bookmark on
    const int y = f.editor.getPadding().top + f.editor.getLineHeight() * 2 + 1;
    f.send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, y));
    f.send(WM_LBUTTONUP, 0, MAKELPARAM(3, y));
    EXPECT_EQ(f.editor.getBookmarks().getBookmarkLines(), (Lines{0, 2}));
    EXPECT_EQ(f.editor.getSelection().start, 0) << "a press in the margin leaves the caret alone";
}

TEST(TextEditorBookmarks, EditsAboveMoveBookmarksAndDeletedLinesTakeTheirs) {
    EditorFixture f;
    f.editor.setText(L"zero\r\none\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix\r\n");
    for (int line : {1, 3, 5}) f.editor.toggleBookmark(line, false);

    f.editor.insertTextAt(0, L"new\r\nnewer\r\n");  // two lines above all
    EXPECT_EQ(f.editor.getBookmarks().getBookmarkLines(), (Lines{3, 5, 7}));

    f.editor.insertTextAt(static_cast<uint32_t>(lineStart(f.editor, 5) + 2), L"split\r\n");  // inside a bookmarked line
    EXPECT_EQ(f.editor.getBookmarks().getBookmarkLines(), (Lines{3, 5, 8}));

    // Whole lines 5 and 6 deleted: the bookmark of line 5 goes, line 8 moves up to 6.
    f.editor.replaceRange(L"", TextRange(lineStart(f.editor, 5), lineStart(f.editor, 7)), true);
    EXPECT_EQ(f.editor.getBookmarks().getBookmarkLines(), (Lines{3, 6}));
    EXPECT_EQ(f.editor.getLineText(6), L"five\r\n");

    // A line break joined away: the lines after the joined one move up.
    f.editor.replaceRange(L"", TextRange(lineStart(f.editor, 4) - 2, lineStart(f.editor, 4)), true);
    EXPECT_EQ(f.editor.getBookmarks().getBookmarkLines(), (Lines{3, 5}));
}

TEST(TextEditorBookmarks, BookmarksOfTwoFilesInTwoEditorsSurviveARestart) {
    BookmarkFolder folder;
    const std::wstring first = folder.textFile(L"first.txt", kTenLines);
    const std::wstring second = folder.textFile(L"second.txt", kTenLines);
    {
        auto a = std::make_unique<EditorFixture>();
        auto b = std::make_unique<EditorFixture>();
        ASSERT_TRUE(a->editor.openFile(first));
        ASSERT_TRUE(b->editor.openFile(second));
        a->editor.toggleBookmark(2, true);
        a->editor.toggleBookmark(7, true);
        b->editor.toggleBookmark(4, true);
        a->editor.insertTextAt(0, L"title\r\n");  // moves the first file's bookmarks down
        a.reset();
        b.reset();
    }
    EditorFixture a;
    EditorFixture b;
    ASSERT_TRUE(b.editor.openFile(second));
    ASSERT_TRUE(a.editor.openFile(first));
    EXPECT_EQ(a.editor.getBookmarks().getBookmarkLines(), (Lines{3, 8}));
    EXPECT_EQ(b.editor.getBookmarks().getBookmarkLines(), (Lines{4}));
    EXPECT_TRUE(a.editor.isBookmarkMarginShown());
}

TEST(TextEditorBookmarks, SavingUnderAnotherNameCarriesTheBookmarks) {
    BookmarkFolder folder;
    const std::wstring original = folder.textFile(L"original.txt", kTenLines);
    const std::wstring copy = folder.folder.file(L"copy.txt");
    {
        EditorFixture f;
        ASSERT_TRUE(f.editor.openFile(original));
        f.editor.toggleBookmark(6, true);
        ASSERT_TRUE(f.editor.saveAs(copy));
    }
    EditorFixture f;
    ASSERT_TRUE(f.editor.openFile(copy));
    EXPECT_EQ(f.editor.getBookmarks().getBookmarkLines(), (Lines{6}));
    ASSERT_TRUE(f.editor.openFile(original));
    EXPECT_EQ(f.editor.getBookmarks().getBookmarkLines(), (Lines{6}));
}
