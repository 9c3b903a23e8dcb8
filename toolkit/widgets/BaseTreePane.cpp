#include "toolkit/widgets/BaseTreePane.h"

#include <algorithm>
#include <vector>

#include "toolkit/graphics/Graphics.h"
#include "toolkit/window/WindowProcedure.h"

BaseTreePane::BaseTreePane() = default;

BaseTreePane::~BaseTreePane() {
    destroy();
    releaseImageLists();
}

void BaseTreePane::releaseImageLists() {
    if (mImageList) ::ImageList_Destroy(mImageList);
    if (mStateImageList) ::ImageList_Destroy(mStateImageList);
    mImageList = nullptr;
    mStateImageList = nullptr;
}

void BaseTreePane::setBackColor(COLORREF color) {
    if (m_hWnd) ::SendMessageW(m_hWnd, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(color));
    Component::setBackColor(color);
}

void BaseTreePane::setTextColor(COLORREF color) {
    if (m_hWnd) ::SendMessageW(m_hWnd, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(color));
    Component::setTextColor(color);
}

void BaseTreePane::destroy() {
    if (mDragImageList) ::ImageList_Destroy(mDragImageList);
    mDragImageList = nullptr;
    mDraggedItem = nullptr;
    releaseImageLists();
    Component::destroy();
}

bool BaseTreePane::createWithDefaultBounds(HWND parent) {
    destroy();
    m_hWnd = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"",
                               WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_FULLROWSELECT | TVS_SINGLEEXPAND |
                                   TVS_TRACKSELECT | TVS_SHOWSELALWAYS,
                               0, 0, 0, 0, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SetLastError(0);
    if (!m_hWnd) return false;
    subclassControl(*this);
    return true;
}

LRESULT BaseTreePane::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // The control paints itself; only the drag and the focus flags are the pane's.
    switch (msg) {
        case WM_MOUSEMOVE:
            if (isDragging()) onDragMove(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
            fireEvent(1, 0);
            break;
        case WM_LBUTTONUP:
            if (isDragging()) endDrag();
            break;
        case WM_SETFOCUS:
            mFocused = true;
            break;
        case WM_KILLFOCUS:
            mFocused = false;
            break;
        default:
            break;
    }
    return defaultWindowProc(hwnd, msg, wParam, lParam);
}

HTREEITEM BaseTreePane::insertItem(const std::wstring& text, HTREEITEM parent, HTREEITEM insertAfter, LPARAM lParam) {
    if (!m_hWnd) return nullptr;
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = insertAfter;
    insert.item.mask = TVIF_TEXT | TVIF_STATE | TVIF_PARAM;
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    insert.item.lParam = lParam;
    if (mStateImageList) {
        insert.item.state = INDEXTOSTATEIMAGEMASK(1);
        insert.item.stateMask = TVIS_STATEIMAGEMASK;
    }
    return reinterpret_cast<HTREEITEM>(::SendMessageW(m_hWnd, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

HTREEITEM BaseTreePane::addRootItem(const std::wstring& text) { return insertItem(text, TVI_ROOT, TVI_LAST, 0); }

void BaseTreePane::deleteItem(HTREEITEM item) {
    if (m_hWnd) ::SendMessageW(m_hWnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
}

void BaseTreePane::deleteAllItems() {
    // A delete that fails would otherwise leave the same root to try for ever.
    while (HTREEITEM root = getRootItem()) {
        if (!::SendMessageW(m_hWnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(root))) break;
    }
}

HTREEITEM BaseTreePane::getRootItem() const { return m_hWnd ? TreeView_GetRoot(m_hWnd) : nullptr; }

HTREEITEM BaseTreePane::getParentItem(HTREEITEM item) const { return m_hWnd ? TreeView_GetParent(m_hWnd, item) : nullptr; }

HTREEITEM BaseTreePane::getChildItem(HTREEITEM item) const { return m_hWnd ? TreeView_GetChild(m_hWnd, item) : nullptr; }

HTREEITEM BaseTreePane::getNextItem(HTREEITEM item) const {
    return (m_hWnd && item) ? TreeView_GetNextSibling(m_hWnd, item) : nullptr;
}

HTREEITEM BaseTreePane::getPreviousItem(HTREEITEM item) const {
    return (m_hWnd && item) ? TreeView_GetPrevSibling(m_hWnd, item) : nullptr;
}

HTREEITEM BaseTreePane::getDropHighlight() const { return m_hWnd ? TreeView_GetDropHilight(m_hWnd) : nullptr; }

std::wstring BaseTreePane::getItemText(HTREEITEM item) const {
    if (!m_hWnd || !item) return std::wstring();
    wchar_t buffer[261] = {};
    TVITEMW info{};
    info.mask = TVIF_TEXT;
    info.hItem = item;
    info.pszText = buffer;
    info.cchTextMax = 261;
    if (!::SendMessageW(m_hWnd, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info))) return std::wstring();
    return info.pszText ? std::wstring(info.pszText) : std::wstring();
}

HTREEITEM BaseTreePane::hitTest(int x, int y) const {
    if (!m_hWnd) return nullptr;
    TVHITTESTINFO hit{};
    hit.pt = POINT{x, y};
    return reinterpret_cast<HTREEITEM>(::SendMessageW(m_hWnd, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

HTREEITEM BaseTreePane::hitTestCursor() const {
    POINT p = getCursorPos();
    return hitTest(p.x, p.y);
}

bool BaseTreePane::isValidDropTarget(HTREEITEM item) const {
    if (!item || item == mDraggedItem) return false;
    for (HTREEITEM parent = getParentItem(item); parent; parent = getParentItem(parent)) {
        if (parent == mDraggedItem) return false;
    }
    return true;
}

HIMAGELIST BaseTreePane::createTextDragImage(HTREEITEM item) {
    const std::wstring text = getItemText(item);
    Graphics measure(1, 1);
    measure.setFont(::CreateFontIndirectW(&mLogFont));
    const int width = std::max(32, measure.getTextWidth(text));
    const int height = 16;
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
    HFONT font = ::CreateFontIndirectW(&mLogFont);
    HGDIOBJ oldFont = ::SelectObject(dc, font);
    RECT all{0, 0, width, height};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::TextOutW(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
    ::SelectObject(dc, oldFont);
    ::SelectObject(dc, oldBitmap);
    ::DeleteObject(font);
    ::DeleteDC(dc);
    HIMAGELIST list = ::ImageList_Create(width, height, ILC_COLOR4 | ILC_MASK, 1, 1);
    ::ImageList_AddMasked(list, bitmap, 0x808080);
    ::DeleteObject(bitmap);
    return list;
}

void BaseTreePane::beginDrag(const NMTREEVIEWW& info) {
    mDraggedItem = info.itemNew.hItem;
    if (mDragImageList) ::ImageList_Destroy(mDragImageList);
    mDragImageList = mStateImageList
                         ? createTextDragImage(mDraggedItem)
                         : reinterpret_cast<HIMAGELIST>(
                               ::SendMessageW(m_hWnd, TVM_CREATEDRAGIMAGE, 0, reinterpret_cast<LPARAM>(mDraggedItem)));
    ::ImageList_BeginDrag(mDragImageList, 0, 0, 3);
    POINT p = info.ptDrag;
    ::ClientToScreen(m_hWnd, &p);
    ::ImageList_DragEnter(nullptr, p.x, p.y);
    ::SetCapture(m_hWnd);
    ::SetCursor(::LoadCursorW(nullptr, IDC_NO));
}

void BaseTreePane::onDragMove(int x, int y) {
    ::ImageList_DragLeave(nullptr);
    HTREEITEM target = hitTest(x, y);
    if (!target) target = mDraggedItem;
    TreeView_SelectDropTarget(m_hWnd, target);
    ::SetCursor(::LoadCursorW(nullptr, isValidDropTarget(target) ? IDC_ARROW : IDC_NO));
    POINT p{x, y};
    ::ClientToScreen(m_hWnd, &p);
    ::ImageList_DragMove(p.x, p.y);
    ::ImageList_DragEnter(nullptr, p.x, p.y);
}

void BaseTreePane::endDrag() {
    ::ImageList_DragLeave(nullptr);
    ::ImageList_EndDrag();
    ::ReleaseCapture();
    HTREEITEM target = getDropHighlight();
    TreeView_SelectDropTarget(m_hWnd, nullptr);
    HTREEITEM dragged = mDraggedItem;
    if (isValidDropTarget(target) && mListener) mListener->onTreeItemDropped(dragged, target);
    if (mDragImageList) ::ImageList_Destroy(mDragImageList);
    mDragImageList = nullptr;
    mDraggedItem = nullptr;
}

TreeView::~TreeView() = default;

void TreeView::setItemImage(HTREEITEM item, int image, int selectedImage) {
    if (!m_hWnd || !item) return;
    TVITEMW info{};
    info.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    info.hItem = item;
    info.iImage = image;
    info.iSelectedImage = selectedImage;
    ::SendMessageW(m_hWnd, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&info));
}

HTREEITEM TreeView::findItemByText(HTREEITEM start, const std::wstring& text) const {
    // An explicit stack: a deep tree must not exhaust the call stack.
    std::vector<HTREEITEM> pending;
    if (start) pending.push_back(start);
    while (!pending.empty()) {
        HTREEITEM item = pending.back();
        pending.pop_back();
        if (getItemText(item) == text) return item;
        if (HTREEITEM next = getNextItem(item)) pending.push_back(next);
        if (HTREEITEM child = getChildItem(item)) pending.push_back(child);
    }
    return nullptr;
}
