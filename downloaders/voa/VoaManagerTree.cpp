// The catalogue tree of the VOA lesson manager.
#include <windows.h>
#include <commctrl.h>

#include "downloaders/voa/CatalogueItem.h"
#include "downloaders/voa/CategoryKey.h"
#include "downloaders/voa/VoaManagerDialog.h"
#include "foundation/xml/Element.h"

namespace {

// The tree view keeps these two of an item's state bits in the catalogue.
constexpr UINT kStoredStates = TVIS_SELECTED | TVIS_EXPANDED;
constexpr int kMaxLabel = 1024;

}  // namespace

VoaManagerDialog::A::~A() = default;

HTREEITEM VoaManagerDialog::A::addChild(HTREEITEM item, const std::wstring& path) {
    if (findItemByName(getFileTitle(path))) return nullptr;
    HTREEITEM parent = item;
    XMLParser lesson;
    if (lesson.parseFile(path)) {
        if (const Element* category = lesson.getElementByTagName(L"category")) {
            const std::wstring key = toCategoryKey(category->getAllText());
            parent = findItemByName(key);
            if (!parent) parent = XmlTreePane::addChild(getRootItem(), key);
        }
    }
    HTREEITEM added = XmlTreePane::addChild(parent, path);
    TreeView_Expand(getTree().m_hWnd, parent, TVE_EXPAND);
    return added;
}

bool VoaManagerDialog::A::openDocument(const std::wstring& path) {
    if (!getParser().parseFile(path)) return false;
    rebuildTree();
    return true;
}

void VoaManagerDialog::A::newDocument(const std::wstring& name) {
    if (getParser().getRootElement()) return;
    getParser().setRootElement(new Element(name));
    getParser().setFilePath(name);
    rebuildTree();
}

bool VoaManagerDialog::A::saveDocumentAs(const std::wstring& path) {
    getParser().setFilePath(path);
    return saveDocument();
}

bool VoaManagerDialog::A::saveDocument() {
    if (!getParser().getRootElement()) return false;
    if (HTREEITEM root = getRootItem()) storeItemState(root);
    return getParser().save();
}

void VoaManagerDialog::A::storeItemState(HTREEITEM item) {
    for (; item; item = getTree().getNextItem(item)) {
        if (Element* element = getElement(item)) {
            wchar_t text[kMaxLabel + 1] = {};
            TVITEMW info{};
            info.mask = TVIF_TEXT | TVIF_STATE;
            info.hItem = item;
            info.pszText = text;
            info.cchTextMax = kMaxLabel + 1;
            info.stateMask = kStoredStates;
            ::SendMessageW(getTree().m_hWnd, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
            // The root's label comes from the file name, not from its element.
            const std::wstring label =
                item == getRootItem() ? getFileTitle(getParser().getFilePath()) : getItemLabel(*element);
            if (label != text) element->setAttribute(L"name", text);
            element->setIntAttribute(L"state", static_cast<int>(info.state & kStoredStates));
        }
        storeItemState(getTree().getChildItem(item));
    }
}

void VoaManagerDialog::A::rebuildTree() {
    Element* root = getParser().getRootElement();
    if (!root) return;
    getTree().deleteAllItems();
    clearRecordedItems();
    HTREEITEM rootItem = getTree().addRootItem(getFileTitle(getParser().getFilePath()));
    getTree().setItemImage(rootItem, 0, 0);
    populateItem(rootItem, root);
    getTree().repaint();
}

void VoaManagerDialog::A::populateItem(HTREEITEM item, Element* element) {
    recordItem(item, element);
    for (Element* child : getCatalogueChildren(*element)) {
        HTREEITEM added = getTree().insertItem(getItemLabel(*child), item, TVI_LAST, 0);
        if (!added) continue;
        const int icon = getIconIndex(child->getAttribute(L"path"));
        getTree().setItemImage(added, icon, icon);
        populateItem(added, child);
    }
    const int state = element->getIntAttribute(L"state", 0);
    if (state & TVIS_SELECTED) TreeView_SelectItem(getTree().m_hWnd, item);
    if (state & TVIS_EXPANDED) TreeView_Expand(getTree().m_hWnd, item, TVE_EXPAND);
}

HTREEITEM VoaManagerDialog::A::findItemByName(const std::wstring& label) {
    return getTree().findItemByText(getRootItem(), label);
}

std::wstring VoaManagerDialog::A::getItemAttribute(HTREEITEM item, const std::wstring& name) const {
    const Element* element = getElement(item);
    return element ? element->getAttribute(name) : std::wstring();
}

std::wstring VoaManagerDialog::A::getItemLabel(const Element& element) const { return getCatalogueItemLabel(element); }
