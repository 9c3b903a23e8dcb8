// The Win32 tree-view control as a component: items, colours, and dragging one item onto
// another with a drag image, reported to a TreeViewListener.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "toolkit/window/Component.h"

class TreeViewListener {
public:
    virtual ~TreeViewListener() = default;
    // A drag ended on a valid target.
    virtual void onTreeItemDropped(HTREEITEM dragged, HTREEITEM target) = 0;
};

class BaseTreePane : public Component {
public:
    BaseTreePane();
    ~BaseTreePane() override;

    void setBackColor(COLORREF color) override;
    void setTextColor(COLORREF color) override;
    void destroy() override;
    bool createWithDefaultBounds(HWND parent) override;
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    virtual void releaseImageLists();
    virtual HTREEITEM addRootItem(const std::wstring& text);
    virtual void deleteItem(HTREEITEM item);
    virtual void deleteAllItems();
    virtual HTREEITEM insertItem(const std::wstring& text, HTREEITEM parent, HTREEITEM insertAfter, LPARAM lParam);
    // False for none, the dragged item itself and its descendants.
    virtual bool isValidDropTarget(HTREEITEM item) const;

    void setTreeViewListener(TreeViewListener* listener) { mListener = listener; }
    void setImageList(HIMAGELIST list) { mImageList = list; }
    void setStateImageList(HIMAGELIST list) { mStateImageList = list; }

    HTREEITEM getRootItem() const;
    HTREEITEM getParentItem(HTREEITEM item) const;
    HTREEITEM getChildItem(HTREEITEM item) const;
    HTREEITEM getNextItem(HTREEITEM item) const;
    HTREEITEM getPreviousItem(HTREEITEM item) const;
    HTREEITEM getDropHighlight() const;
    std::wstring getItemText(HTREEITEM item) const;
    // The item under the mouse cursor, or null.
    HTREEITEM hitTestCursor() const;
    HTREEITEM hitTest(int x, int y) const;

    // The drag of an item: started by TVN_BEGINDRAGW, followed by mouse moves, ended by
    // the left button's release.
    void beginDrag(const NMTREEVIEWW& info);
    void onDragMove(int x, int y);
    void endDrag();
    bool isDragging() const { return mDraggedItem != nullptr; }
    HTREEITEM getDraggedItem() const { return mDraggedItem; }

private:
    HIMAGELIST createTextDragImage(HTREEITEM item);

    HIMAGELIST mImageList = nullptr;
    HIMAGELIST mStateImageList = nullptr;
    HIMAGELIST mDragImageList = nullptr;
    HTREEITEM mDraggedItem = nullptr;
    TreeViewListener* mListener = nullptr;
};

class TreeView : public BaseTreePane {
public:
    ~TreeView() override;
    void setItemImage(HTREEITEM item, int image, int selectedImage);
    // Depth first from start (each item before its children, then the following
    // siblings): the first item whose text equals the text, else null.
    HTREEITEM findItemByText(HTREEITEM start, const std::wstring& text) const;
};
