// The bookmarked lines of every file an editor opened or saved, kept across runs in one
// XML list ("Files" > "File" path= > "Bookmark" line=). An editor reads the list the first
// time it opens or saves a file, changes it as bookmarks are toggled and as edits move
// lines, and writes back the entries it changed when it is destroyed.
#pragma once

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

class Element;
class XMLParser;

class BookmarkManager {
public:
    BookmarkManager();
    ~BookmarkManager();
    BookmarkManager(const BookmarkManager&) = delete;
    BookmarkManager& operator=(const BookmarkManager&) = delete;

    // Where the list lives: the program folder's "Lists/Files.xml" unless set (tests).
    static std::wstring getListPath();
    static void setListPath(const std::wstring& path);

    // Reads the list once; a missing or unreadable list starts empty.
    void load();
    // Makes the entry of a path current (the editor opened that file).
    void openFile(const std::wstring& path);
    // Gives the current entry a new path (the editor wrote its text there); the old path
    // keeps a copy of its bookmarks.
    void setFile(const std::wstring& path);
    // Adds the bookmark of a line, or removes it when it exists.
    void toggleBookmark(int line);
    Element* findBookmark(int line) const;
    bool hasBookmarks() const;
    // The current file's bookmarked lines, ascending.
    std::vector<int> getBookmarkLines() const;
    // After an edit that added (delta > 0) or removed lines: bookmarks from fromLine on
    // move by delta; those on removed lines go.
    void shiftBookmarks(int fromLine, int delta);
    // Merges the entries this manager changed into the list as it is on disk now, so
    // that the lists of other editors are kept; nothing when nothing changed.
    bool save();

    // Brings a parsed list into shape: a "Files" element (a new empty root when there is
    // none), no entries without bookmarks, none whose file `exists` denies.
    static void tidyList(XMLParser& list, const std::function<bool(const std::wstring&)>& exists);

private:
    Element* getFiles() const;
    bool isDetached() const;
    void ensureCurrent();
    void markChanged();
    // Deletes the entries of the path other than the current one; true when there were.
    bool removeOtherEntries(const std::wstring& path);

    std::unique_ptr<XMLParser> list;
    Element* current = nullptr;
    // Paths whose entries this manager changed; only they are written back.
    std::set<std::wstring> changedPaths;
};
