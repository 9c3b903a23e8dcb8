#include <gtest/gtest.h>

#include <fstream>

#include "foundation/encoding/TextFile.h"
#include "foundation/xml/Element.h"
#include "foundation/xml/XMLParser.h"
#include "testsupport/TestWindows.h"
#include "texteditor/bookmarks/BookmarkManager.h"

namespace {

using Lines = std::vector<int>;

// A folder with the list and two text files that exist, so that loading keeps their entries.
struct ListFolder {
    ListFolder() {
        BookmarkManager::setListPath(folder.file(L"Lists\\Files.xml"));
        for (const wchar_t* name : {L"a.txt", L"b.txt"}) std::ofstream(folder.file(name).c_str()) << "x";
    }
    ~ListFolder() { BookmarkManager::setListPath(L""); }
    std::wstring list() const { return folder.file(L"Lists\\Files.xml"); }
    std::wstring a() const { return folder.file(L"a.txt"); }
    std::wstring b() const { return folder.file(L"b.txt"); }
    void writeList(const std::wstring& xml) const {
        ::CreateDirectoryW(folder.file(L"Lists").c_str(), nullptr);
        ASSERT_TRUE(writeTextFile(list(), xml, kEncodingUtf16Le));
    }

    TempDirectory folder;
};

Lines bookmarksOf(const std::wstring& path) {
    BookmarkManager reader;
    reader.openFile(path);
    return reader.getBookmarkLines();
}

}  // namespace

TEST(BookmarkManager, TogglingKeepsLinesInOrderAndASecondToggleRemoves) {
    BookmarkManager marks;
    EXPECT_FALSE(marks.hasBookmarks());
    for (int line : {9, 2, 5}) marks.toggleBookmark(line);
    EXPECT_EQ(marks.getBookmarkLines(), (Lines{2, 5, 9}));
    ASSERT_NE(marks.findBookmark(5), nullptr);
    EXPECT_TRUE(marks.findBookmark(5)->writesAsEmptyTag());
    marks.toggleBookmark(5);
    EXPECT_EQ(marks.findBookmark(5), nullptr);
    marks.toggleBookmark(9);
    marks.toggleBookmark(2);
    EXPECT_FALSE(marks.hasBookmarks());
}

TEST(BookmarkManager, ShiftingMovesLaterBookmarksAndDropsThoseOfRemovedLines) {
    BookmarkManager marks;
    marks.toggleBookmark(2);
    marks.toggleBookmark(8);
    marks.shiftBookmarks(4, 3);
    EXPECT_EQ(marks.getBookmarkLines(), (Lines{2, 11}));
    marks.shiftBookmarks(3, -10);  // lines 3..12 removed: 11 goes with them
    EXPECT_EQ(marks.getBookmarkLines(), (Lines{2}));

    // Without an earlier bookmark a removed line's bookmark must not land on a line
    // that was never bookmarked.
    BookmarkManager alone;
    alone.toggleBookmark(5);
    alone.toggleBookmark(9);
    alone.shiftBookmarks(4, -3);  // lines 4, 5 and 6 removed
    EXPECT_EQ(alone.getBookmarkLines(), (Lines{6}));
}

TEST(BookmarkManager, EntriesLiveAcrossManagersByExactPath) {
    ListFolder folder;
    {
        BookmarkManager first;
        first.openFile(folder.a());
        first.toggleBookmark(3);
        first.toggleBookmark(1);
    }
    EXPECT_EQ(bookmarksOf(folder.a()), (Lines{1, 3}));
    std::wstring otherCase = folder.a();
    otherCase.replace(otherCase.size() - 5, 1, L"A");
    EXPECT_TRUE(bookmarksOf(otherCase).empty()) << "paths are compared with their letter case";
}

TEST(BookmarkManager, SavingUnderANewNameGivesBothNamesTheBookmarks) {
    ListFolder folder;
    {
        BookmarkManager editor;
        editor.openFile(folder.a());
        editor.toggleBookmark(4);
        editor.setFile(folder.b());
        editor.toggleBookmark(7);  // only the new name's entry changes
    }
    EXPECT_EQ(bookmarksOf(folder.a()), (Lines{4}));
    EXPECT_EQ(bookmarksOf(folder.b()), (Lines{4, 7}));
}

TEST(BookmarkManager, BookmarksOfAnUnnamedTextEnterTheListWhenItIsSaved) {
    ListFolder folder;
    {
        BookmarkManager editor;
        editor.toggleBookmark(2);
        editor.setFile(folder.a());
    }
    EXPECT_EQ(bookmarksOf(folder.a()), (Lines{2}));
}

TEST(BookmarkManager, TwoEditorsOnTwoFilesKeepEachOthersBookmarks) {
    ListFolder folder;
    {
        BookmarkManager first;
        BookmarkManager second;
        first.openFile(folder.a());
        second.openFile(folder.b());
        first.toggleBookmark(1);
        second.toggleBookmark(6);
        // Each read the list before the other wrote: the one destroyed last must not
        // write its stale copy over the other's entry.
    }
    EXPECT_EQ(bookmarksOf(folder.a()), (Lines{1}));
    EXPECT_EQ(bookmarksOf(folder.b()), (Lines{6}));

    {
        BookmarkManager reopened;
        reopened.openFile(folder.a());
        reopened.toggleBookmark(1);  // the last one goes: the entry leaves the list
    }
    EXPECT_TRUE(bookmarksOf(folder.a()).empty());
    EXPECT_EQ(bookmarksOf(folder.b()), (Lines{6}));
}

TEST(BookmarkManager, EntriesOfVanishedFilesAreDroppedAtLoad) {
    ListFolder folder;
    folder.writeList(L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<Files><File path=\"" + folder.a() +
                     L"\"><Bookmark line=\"2\" /></File><File path=\"" + folder.folder.file(L"gone.txt") +
                     L"\"><Bookmark line=\"1\" /></File><File path=\"" + folder.b() + L"\"></File></Files>");
    XMLParser list;
    std::wstring text;
    readTextFile(folder.list(), text, kEncodingUndefined);
    ASSERT_TRUE(list.parseString(text));
    BookmarkManager::tidyList(
        list, [](const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; });
    const std::vector<Element*> files = list.getElementsByTagName(L"File");
    ASSERT_EQ(files.size(), 1u) << "the vanished file and the entry without bookmarks go";
    EXPECT_EQ(files[0]->getAttribute(L"path"), folder.a());
}

TEST(BookmarkManager, AListWithoutFilesElementOrDamagedReadsAsEmpty) {
    for (const wchar_t* damaged : {L"<Other><File path=\"x\"/></Other>", L"<Files><File path=", L"not xml"}) {
        ListFolder folder;
        folder.writeList(damaged);
        takeShownMessages();
        {
            BookmarkManager editor;
            editor.openFile(folder.a());
            EXPECT_FALSE(editor.hasBookmarks());
            editor.toggleBookmark(0);
        }
        EXPECT_EQ(bookmarksOf(folder.a()), (Lines{0})) << damaged;
        EXPECT_TRUE(takeShownMessages().empty()) << "a damaged list is no reason to stop the user";
    }
}

TEST(BookmarkManager, AFailedWriteLeavesTheOldListIntact) {
    ListFolder folder;
    {
        BookmarkManager editor;
        editor.openFile(folder.a());
        editor.toggleBookmark(5);
    }
    const HANDLE locked = ::CreateFileW(folder.list().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                        nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    {
        BookmarkManager editor;
        editor.openFile(folder.a());
        editor.toggleBookmark(9);
        EXPECT_FALSE(editor.save());
    }
    ::CloseHandle(locked);
    EXPECT_EQ(bookmarksOf(folder.a()), (Lines{5}));
}
