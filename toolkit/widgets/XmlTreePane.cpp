#include "toolkit/widgets/XmlTreePane.h"

#include <shellapi.h>
#include <shlwapi.h>

#include "foundation/system/MessageBoxes.h"
#include "foundation/xml/Element.h"
#include "toolkit/window/WindowProcedure.h"

std::wstring getFileTitle(const std::wstring& path) {
    size_t slash = path.find_last_of(L"/\\");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    size_t dot = name.find_last_of(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

namespace {

// Whether `node` lies in the subtree of `root` (root included).
bool isWithin(const Node* node, const Node* root) {
    for (; node; node = node->getParent()) {
        if (node == root) return true;
    }
    return false;
}

}  // namespace

XmlTreePane::XmlTreePane() {
    mImageList = ::ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 8, 8);
    SHFILEINFOW info{};
    if (::SHGetFileInfoW(L".", 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON) && info.hIcon) {
        ::ImageList_AddIcon(mImageList, info.hIcon);
        ::DestroyIcon(info.hIcon);
    }
    mLabelField.setMarkupFilter(true);
    registerClass(L"XmlTreePane", nullptr, 0);
}

XmlTreePane::~XmlTreePane() {
    revoke();
    mTree.destroy();
    destroy();
    if (mImageList) ::ImageList_Destroy(mImageList);
}

bool XmlTreePane::onCreate() {
    addFormat(CF_HDROP);
    registerDropTarget(m_hWnd);
    mTree.createWithDefaultBounds(m_hWnd);
    mTree.setTreeViewListener(this);
    mTree.setStyle(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                   TVS_EDITLABELS | TVS_SHOWSELALWAYS);
    ::SendMessageW(mTree.m_hWnd, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(mImageList));
    return false;
}

LRESULT XmlTreePane::onSize(WPARAM, LPARAM lParam) {
    mTree.setBounds(0, 0, LOWORD(lParam), HIWORD(lParam));
    return 0;
}

LRESULT XmlTreePane::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NOTIFY) return onNotify(wParam, lParam);
    if (msg == WM_DESTROY) revoke();
    return BaseWindow::windowProc(hwnd, msg, wParam, lParam);
}

LRESULT XmlTreePane::onNotify(WPARAM wParam, LPARAM lParam) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header || header->hwndFrom != mTree.m_hWnd) return defaultWindowProc(m_hWnd, WM_NOTIFY, wParam, lParam);
    switch (header->code) {
        case TVN_BEGINLABELEDITW: {
            // Typed '"', '<', '>' and '|' become blanks in the label.
            HWND edit = reinterpret_cast<HWND>(::SendMessageW(mTree.m_hWnd, TVM_GETEDITCONTROL, 0, 0));
            mLabelField.m_hWnd = edit;
            if (edit) subclassControl(mLabelField);
            return 0;
        }
        case TVN_ENDLABELEDITW: {
            // A cancelled edit brings no text: that counts as empty.
            const auto* info = reinterpret_cast<NMTVDISPINFOW*>(lParam);
            return (info->item.pszText && info->item.pszText[0] != L'\0') ? 1 : 0;
        }
        case TVN_BEGINDRAGW:
            mTree.beginDrag(*reinterpret_cast<NMTREEVIEWW*>(lParam));
            return 0;
        default:
            header->hwndFrom = m_hWnd;
            return ::SendMessageW(::GetParent(m_hWnd), WM_NOTIFY, wParam, lParam);
    }
}

void XmlTreePane::recordItem(HTREEITEM item, Element* element) {
    if (item) mItems[item] = element;
}

Element* XmlTreePane::getElement(HTREEITEM item) const {
    if (!item) return nullptr;
    auto found = mItems.find(item);
    return found == mItems.end() ? nullptr : found->second;
}

int XmlTreePane::getIconIndex(const std::wstring& path) {
    const std::wstring extension = ::PathFindExtensionW(path.c_str());
    auto cached = mIconCache.find(extension);
    if (cached != mIconCache.end()) return cached->second;
    SHFILEINFOW info{};
    if (!::SHGetFileInfoW(path.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                          SHGFI_ICON | SHGFI_SMALLICON | SHGFI_TYPENAME) ||
        !info.hIcon) {
        return 0;
    }
    const int index = ::ImageList_GetImageCount(mImageList);
    ::ImageList_AddIcon(mImageList, info.hIcon);
    ::DestroyIcon(info.hIcon);
    mIconCache[extension] = index;
    return index;
}

Element* XmlTreePane::recordNewElement(HTREEITEM item, const std::wstring& path) {
    auto* element = new Element(L"TreeItem");
    element->setAttribute(L"path", path);
    recordItem(item, element);
    const int icon = getIconIndex(path);
    mTree.setItemImage(item, icon, icon);
    return element;
}

HTREEITEM XmlTreePane::addChild(HTREEITEM item, const std::wstring& path) {
    Element* parent = getElement(item);
    if (!parent) return nullptr;
    HTREEITEM added = mTree.insertItem(getFileTitle(path), item, TVI_LAST, 0);
    if (!added) return nullptr;
    parent->appendChild(recordNewElement(added, path));
    return added;
}

HTREEITEM XmlTreePane::addSibling(HTREEITEM item, const std::wstring& path) {
    HTREEITEM parentItem = mTree.getParentItem(item);
    if (!parentItem) {
        showMessageA("Exception at addSibling: no parent");
        return addChild(getRootItem(), path);
    }
    Element* element = getElement(item);
    if (!element) return nullptr;
    HTREEITEM added = mTree.insertItem(getFileTitle(path), parentItem, item, 0);
    if (!added) return nullptr;
    element->addSibling(recordNewElement(added, path));
    return added;
}

bool XmlTreePane::removeItem(HTREEITEM item) {
    if (!item || item == getRootItem()) return false;
    Element* element = getElement(item);
    // Nothing is touched unless the element can really be taken out of its tree.
    if (!element || !element->getParent()) return false;
    while (HTREEITEM child = mTree.getChildItem(item)) {
        if (!removeItem(child)) {
            // A child that can't be removed through its element goes with the tree item.
            mItems.erase(child);
            mTree.deleteItem(child);
        }
    }
    element->getParent()->deleteDescendant(element);
    mItems.erase(item);
    mTree.deleteItem(item);
    return true;
}

int XmlTreePane::getItemImage(HTREEITEM item) const {
    TVITEMW info{};
    info.mask = TVIF_IMAGE;
    info.hItem = item;
    if (!::SendMessageW(mTree.m_hWnd, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info))) return -1;
    return info.iImage;
}

bool XmlTreePane::isDirectoryItem(HTREEITEM item) const {
    Element* element = getElement(item);
    if (!element) return false;
    const std::wstring path = element->getAttribute(L"path");
    return (!path.empty() && ::PathIsDirectoryW(path.c_str())) || getItemImage(item) == 0;
}

HTREEITEM XmlTreePane::findItemByPath(const std::wstring& path) const {
    for (const auto& entry : mItems) {
        if (entry.second && entry.second->hasAttribute(L"path") && entry.second->getAttribute(L"path") == path) {
            return entry.first;
        }
    }
    return nullptr;
}

bool XmlTreePane::onDropFiles(const std::vector<std::wstring>& paths) {
    HTREEITEM anchor = mTree.hitTestCursor();
    bool asChildren = true;
    if (!anchor) {
        anchor = getRootItem();
    } else {
        asChildren = isDirectoryItem(anchor);
    }
    for (const std::wstring& path : paths) {
        if (containsPath(path)) continue;
        if (asChildren) addChild(anchor, path);
        else addSibling(anchor, path);
    }
    TreeView_SelectDropTarget(mTree.m_hWnd, nullptr);
    mTree.repaint();
    return true;
}

void XmlTreePane::onDragEnter() {}

void XmlTreePane::onDragLeave() { TreeView_SelectDropTarget(mTree.m_hWnd, nullptr); }

void XmlTreePane::onDragOver(DWORD, int x, int y, DWORD*) {
    POINT p{x, y};
    ::ScreenToClient(mTree.m_hWnd, &p);
    TreeView_SelectDropTarget(mTree.m_hWnd, mTree.hitTest(p.x, p.y));
}

void XmlTreePane::onTreeItemDropped(HTREEITEM dragged, HTREEITEM target) {
    Element* draggedElement = getElement(dragged);
    Element* targetElement = getElement(target);
    if (!draggedElement || !targetElement) return;
    // An element moved into its own subtree would make the tree a cycle.
    if (isWithin(targetElement, draggedElement)) return;
    HTREEITEM moved = nullptr;
    if (target != getRootItem() && !isDirectoryItem(target)) {
        if (Node* parent = targetElement->getParent()) {
            parent->insertChild(draggedElement, targetElement, 0);
        } else {
            targetElement->insertChild(draggedElement, nullptr, 3);
        }
        moved = moveTreeItem(dragged, target, false);
    } else {
        Node* parent = draggedElement->getParent();
        if (!parent || !parent->removeChild(draggedElement)) return;
        targetElement->appendChild(draggedElement);
        moved = moveTreeItem(dragged, target, true);
    }
    TreeView_SelectItem(mTree.m_hWnd, moved);
    mTree.repaint();
}

HTREEITEM XmlTreePane::moveTreeItem(HTREEITEM item, HTREEITEM target, bool asChild) {
    wchar_t text[261] = {};
    TVITEMW old{};
    old.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
    old.hItem = item;
    old.pszText = text;
    old.cchTextMax = 261;
    old.stateMask = static_cast<UINT>(-1);
    ::SendMessageW(mTree.m_hWnd, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&old));

    HTREEITEM created = nullptr;
    if (asChild) {
        created = mTree.insertItem(text, target, TVI_LAST, 0);
    } else {
        HTREEITEM previous = mTree.getPreviousItem(target);
        created = mTree.insertItem(text, mTree.getParentItem(target), previous ? previous : TVI_FIRST, 0);
    }
    if (!created) return nullptr;
    // The children first, in order, each under the new item.
    while (HTREEITEM child = mTree.getChildItem(item)) {
        if (!moveTreeItem(child, created, true)) break;
    }
    auto record = mItems.find(item);
    if (record != mItems.end()) {
        Element* element = record->second;
        mItems.erase(record);
        mItems[created] = element;
    }
    TVITEMW copy{};
    copy.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
    copy.hItem = created;
    copy.iImage = old.iImage;
    copy.iSelectedImage = old.iSelectedImage;
    copy.state = old.state;
    copy.stateMask = static_cast<UINT>(-1);
    ::SendMessageW(mTree.m_hWnd, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&copy));
    mTree.deleteItem(item);
    return created;
}
