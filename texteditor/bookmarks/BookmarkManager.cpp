#include "texteditor/bookmarks/BookmarkManager.h"

#include "foundation/encoding/TextFile.h"
#include "foundation/system/ModulePath.h"
#include "foundation/system/ParserException.h"
#include "foundation/system/PathUtils.h"
#include "foundation/xml/Element.h"
#include "foundation/xml/XMLParser.h"

namespace {

const wchar_t kFiles[] = L"Files";
const wchar_t kFile[] = L"File";
const wchar_t kBookmark[] = L"Bookmark";
const wchar_t kPath[] = L"path";
const wchar_t kLine[] = L"line";

std::wstring& listPathOverride() {
    static std::wstring path;
    return path;
}

// A damaged list is read as no list at all: it must not stop an editor opening a file.
bool readList(XMLParser& parser, const std::wstring& path) {
    std::wstring text;
    if (readTextFile(path, text, kEncodingUndefined) == -1 || text.empty()) return false;
    try {
        if (!parser.parseString(text)) return false;
    } catch (const ParserException&) {
        return false;
    }
    parser.setFilePath(path);
    return true;
}

// The list's "Files" element made its root; a list without one becomes an empty list.
Element* ensureFiles(XMLParser& list) {
    Element* files = list.getElementByTagName(kFiles);
    if (files == nullptr) {
        files = new Element(kFiles);
    } else if (files == list.getRootElement()) {
        return files;
    } else {
        files->getParent()->removeChild(files);
    }
    list.setRootElement(files);
    return files;
}

// The first element of tag `tag` whose attribute equals `value`, depth first; elements
// of that tag which don't match are not looked into.
Element* findElementByAttribute(Element* e, const std::wstring& tag, const std::wstring& attribute,
                                const std::wstring& value) {
    if (e == nullptr || tag.empty()) return nullptr;
    if (e->getName() == tag) return e->getAttribute(attribute) == value ? e : nullptr;
    for (Element* child : e->getChildren()) {
        if (Element* found = findElementByAttribute(child, tag, attribute, value)) return found;
    }
    return nullptr;
}

bool hasBookmarkChild(const Element* file) { return file->getElementByTagName(kBookmark) != nullptr; }

void deleteElement(Element* e) {
    if (e->getParent() != nullptr) {
        e->getParent()->deleteChild(e);
    } else {
        delete e;
    }
}

}  // namespace

std::wstring BookmarkManager::getListPath() {
    if (!listPathOverride().empty()) return listPathOverride();
    return getModuleDirectory() + L"Lists/Files.xml";
}

void BookmarkManager::setListPath(const std::wstring& path) { listPathOverride() = path; }

BookmarkManager::BookmarkManager() = default;

BookmarkManager::~BookmarkManager() {
    save();
    if (isDetached()) delete current;
}

void BookmarkManager::tidyList(XMLParser& list, const std::function<bool(const std::wstring&)>& exists) {
    ensureFiles(list);
    // From the last: an entry nested in another goes before the one that holds it.
    const std::vector<Element*> entries = list.getElementsByTagName(kFile);
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        if ((*it)->getFirstChild() == nullptr || !exists((*it)->getAttribute(kPath))) deleteElement(*it);
    }
}

void BookmarkManager::load() {
    if (list) return;
    list = std::make_unique<XMLParser>();
    const std::wstring path = getListPath();
    if (!readList(*list, path)) list->setFilePath(path);
    tidyList(*list, [](const std::wstring& file) { return fileExists(file); });
}

Element* BookmarkManager::getFiles() const { return list ? list->getElementByTagName(kFiles) : nullptr; }

bool BookmarkManager::isDetached() const { return current != nullptr && current->getParent() == nullptr; }

void BookmarkManager::ensureCurrent() {
    if (current == nullptr) current = new Element(kFile);
}

void BookmarkManager::markChanged() {
    if (current != nullptr && !isDetached()) changedPaths.insert(current->getAttribute(kPath));
}

void BookmarkManager::openFile(const std::wstring& path) {
    load();
    if (isDetached()) {
        delete current;
        current = nullptr;
    }
    Element* files = getFiles();
    current = findElementByAttribute(files, kFile, kPath, path);
    if (current == nullptr) {
        current = new Element(kFile);
        current->setAttribute(kPath, path);
        files->appendChild(current);
    }
}

bool BookmarkManager::removeOtherEntries(const std::wstring& path) {
    Element* files = getFiles();
    for (bool removed = false;; removed = true) {
        Element* other = nullptr;
        for (Element* file : list->getElementsByTagName(kFile)) {
            if (file != current && file->getAttribute(kPath) == path) {
                other = file;
                break;
            }
        }
        if (other == nullptr || !files->deleteDescendant(other)) return removed;
    }
}

void BookmarkManager::setFile(const std::wstring& path) {
    ensureCurrent();
    if (current->hasAttribute(kPath) && current->getAttribute(kPath) == path) return;
    load();
    const bool replacedEntry = removeOtherEntries(path);
    if (!isDetached()) current = new Element(*current);
    current->setAttribute(kPath, path);
    getFiles()->appendChild(current);
    // The list on disk changes only when the path had an entry or gets bookmarks.
    if (replacedEntry || hasBookmarks()) markChanged();
}

Element* BookmarkManager::findBookmark(int line) const {
    if (current == nullptr) return nullptr;
    const std::wstring text = std::to_wstring(line);
    for (Element* child : current->getChildren()) {
        if (child->getName() == kBookmark && child->getAttribute(kLine) == text) return child;
    }
    return nullptr;
}

bool BookmarkManager::hasBookmarks() const { return current != nullptr && hasBookmarkChild(current); }

std::vector<int> BookmarkManager::getBookmarkLines() const {
    std::vector<int> lines;
    if (current == nullptr) return lines;
    for (Element* child : current->getChildren()) {
        if (child->getName() == kBookmark) lines.push_back(child->getIntAttribute(kLine, 0));
    }
    return lines;
}

void BookmarkManager::toggleBookmark(int line) {
    ensureCurrent();
    if (Element* existing = findBookmark(line)) {
        current->deleteChild(existing);
        markChanged();
        return;
    }
    Element* mark = new Element(kBookmark);
    mark->setEmptyElement(true);
    mark->setIntAttribute(kLine, line);
    Element* before = nullptr;
    for (Element* child : current->getChildren()) {
        if (child->getIntAttribute(kLine, line) > line) {
            before = child;
            break;
        }
    }
    if (before != nullptr) {
        current->insertChild(mark, before, 0);
    } else {
        current->appendChild(mark);
    }
    markChanged();
}

void BookmarkManager::shiftBookmarks(int fromLine, int delta) {
    if (current == nullptr || delta == 0) return;
    std::vector<Element*> marks;
    current->getElementsByTagName(kBookmark, marks);
    int previous = -1;
    bool changed = false;
    for (Element* mark : marks) {
        const int line = mark->getIntAttribute(kLine, 0);
        if (line < fromLine) {
            previous = line;
            continue;
        }
        const int moved = line + delta;
        // A bookmark on a removed line goes with it, as does one that would land on or
        // before an earlier bookmark.
        if ((delta < 0 && line < fromLine - delta) || moved <= previous) {
            deleteElement(mark);
        } else {
            mark->setIntAttribute(kLine, moved);
        }
        changed = true;
    }
    if (changed) markChanged();
}

bool BookmarkManager::save() {
    if (!list || changedPaths.empty()) return true;
    const std::wstring path = list->getFilePath().empty() ? getListPath() : list->getFilePath();
    createDirectory(path);
    // Other editors may have written the list since it was read here: start from the
    // file as it is now and replace only this manager's entries.
    XMLParser merged;
    readList(merged, path);
    Element* mergedFiles = ensureFiles(merged);
    for (const std::wstring& changed : changedPaths) {
        const std::vector<Element*> entries = merged.getElementsByTagName(kFile);
        for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
            if ((*it)->getAttribute(kPath) == changed) deleteElement(*it);
        }
        for (Element* file : list->getElementsByTagName(kFile)) {
            if (file->getAttribute(kPath) == changed && hasBookmarkChild(file)) {
                mergedFiles->appendChild(new Element(*file));
                break;
            }
        }
    }
    merged.setFilePath(path);
    if (!merged.save()) return false;
    changedPaths.clear();
    return true;
}
