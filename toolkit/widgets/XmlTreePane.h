// A tree of files and folders kept as an XML element tree: every tree item stands for
// one "TreeItem" element whose "path" attribute holds the path. Files dropped from the
// shell become items; items dragged inside the tree take their elements with them.
// The owner inserts the root item and records it with the root element.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "foundation/xml/XMLParser.h"
#include "toolkit/dnd/DropTarget.h"
#include "toolkit/widgets/BaseTreePane.h"
#include "toolkit/widgets/TreeLabelField.h"
#include "toolkit/window/BaseWindow.h"

class Element;

// The part of a path after its last '/' or '\', cut before its last '.'.
std::wstring getFileTitle(const std::wstring& path);

class XmlTreePane : public BaseWindow, public DropTarget, public TreeViewListener {
public:
    XmlTreePane();
    ~XmlTreePane() override;

    bool onCreate() override;
    LRESULT onNotify(WPARAM wParam, LPARAM lParam) override;
    LRESULT onSize(WPARAM wParam, LPARAM lParam) override;
    bool onDropFiles(const std::vector<std::wstring>& paths) override;
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    virtual HTREEITEM addChild(HTREEITEM item, const std::wstring& path);
    virtual HTREEITEM addSibling(HTREEITEM item, const std::wstring& path);
    virtual bool removeItem(HTREEITEM item);
    void onDragEnter() override;
    void onDragLeave() override;
    void onDragOver(DWORD keyState, int x, int y, DWORD* effect) override;
    void onTreeItemDropped(HTREEITEM dragged, HTREEITEM target) override;

    // Records the element a tree item stands for (the owner does so for the root).
    void recordItem(HTREEITEM item, Element* element);
    Element* getElement(HTREEITEM item) const;
    // Forgets every recorded item, for an owner that rebuilds the whole tree.
    void clearRecordedItems() { mItems.clear(); }
    HTREEITEM getRootItem() const { return mTree.getRootItem(); }
    HTREEITEM getItemAtCursor() const { return mTree.hitTestCursor(); }
    int getIconIndex(const std::wstring& path);
    bool isDirectoryItem(HTREEITEM item) const;
    bool containsPath(const std::wstring& path) const { return findItemByPath(path) != nullptr; }
    HTREEITEM findItemByPath(const std::wstring& path) const;
    // Re-creates the item (with its subtree) before the target or as its last child.
    HTREEITEM moveTreeItem(HTREEITEM item, HTREEITEM target, bool asChild);

    TreeView& getTree() { return mTree; }
    XMLParser& getParser() { return mParser; }

private:
    int getItemImage(HTREEITEM item) const;
    // A new "TreeItem" element for the path, recorded for the item, whose icon it sets.
    Element* recordNewElement(HTREEITEM item, const std::wstring& path);

    HIMAGELIST mImageList = nullptr;
    std::map<std::wstring, int> mIconCache;
    TreeView mTree;
    XMLParser mParser;
    std::map<HTREEITEM, Element*> mItems;
    TreeLabelField mLabelField;
};
