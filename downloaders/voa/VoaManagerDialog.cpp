#include "downloaders/voa/VoaManagerDialog.h"

#include <shellapi.h>
#include <shlwapi.h>

#include "foundation/http/InternetDownload.h"
#include "downloaders/voa/LessonPage.h"
#include "foundation/encoding/StringConversion.h"
#include "toolkit/window/PopupMenu.h"

namespace {

const wchar_t kCatalogueFile[] = L"voa.xml";
constexpr int kWidth = 600;
constexpr int kHeight = 500;
constexpr int kGetWidth = 46;
constexpr int kFieldHeight = 20;
constexpr int kTextTop = 32;
// Room below the text area for the OK / Cancel row.
constexpr int kButtonRowHeight = 50;

}  // namespace

VoaManagerDialog::VoaManagerDialog() = default;

VoaManagerDialog::~VoaManagerDialog() = default;

bool VoaManagerDialog::createContents() {
    mSidePane.create(m_hWnd, TabbedPane::kLeft);
    mSidePane.setTabPlacement(TabbedPane::kLeft);
    mSidePane.addFormat(CF_HDROP);
    mAddressField.createWithDefaultBounds(m_hWnd);
    mAddressField.setSingleLine();
    mGetButton.create(m_hWnd, L"Get!", 328, 4, kGetWidth, kFieldHeight);
    mGetButton.setActionListener(this);

    mTreeHost.createWithDefaultBounds(m_hWnd);
    // A missing or broken catalogue is replaced by an empty one, written at once.
    if (!mTree.openDocument(kCatalogueFile)) {
        mTree.newDocument(kCatalogueFile);
        mTree.saveDocumentAs(kCatalogueFile);
    }
    mTreeHost.setBounds(0, 0, 200, 200);
    mSidePane.addTab(L"Data", &mTreeHost);

    mTextArea.createWithDefaultBounds(m_hWnd);
    centreOnDesktop(kWidth, kHeight);
    createButtons(kOkId | kCancelId);
    return false;
}

void VoaManagerDialog::onSize(WPARAM wParam, LPARAM lParam) {
    const int width = LOWORD(lParam);
    const int height = HIWORD(lParam);
    if (mSidePane.m_hWnd) {
        mSidePane.setBounds(0, 0, width, height);
        const int x0 = mSidePane.getWidth() + 4;
        const int fieldWidth = width - x0 - kGetWidth - 8;
        if (mAddressField.m_hWnd) mAddressField.setBounds(x0, 4, fieldWidth, kFieldHeight);
        if (mGetButton.m_hWnd) mGetButton.setLocation(x0 + fieldWidth + 4, 4);
        if (mTextArea.m_hWnd) mTextArea.setBounds(x0, kTextTop, width - x0, height - kTextTop - kButtonRowHeight);
    }
    Dialog::onSize(wParam, lParam);
}

bool VoaManagerDialog::onOk() {
    mTree.saveDocument();
    return true;
}

bool VoaManagerDialog::onNotify(WPARAM, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header || header->hwndFrom != mTree.m_hWnd) return false;
    if (header->code == static_cast<UINT>(NM_RCLICK)) {
        showContextMenu();
        return true;
    }
    return header->code == static_cast<UINT>(NM_DBLCLK);
}

void VoaManagerDialog::actionPerformed(ActionEvent) { getId3Text(mAddressField.getTextCopy()); }

void VoaManagerDialog::getId3Text(const std::wstring& pageAddress) {
    const std::string answer = DownloadString(toNarrowString(pageAddress), "GET", "");
    if (answer.empty()) return;
    mTextArea.setText(buildId3Text(pageAddress, readLessonPage(utf8ToWString(answer))));
}

void VoaManagerDialog::showContextMenu() {
    HTREEITEM item = mTree.getItemAtCursor();
    PopupMenu menu;
    menu.addItem(L"CreateHTML", kCreateHtml);
    menu.addItem(L"CreateOrderedHTML", kCreateOrderedHtml);
    menu.addItem(L"Remove", kRemove, item != nullptr);
    menu.addSeparator();
    menu.addItem(L"OpenFolder", kOpenFolder, item != nullptr);
    runMenuCommand(menu.show(m_hWnd), item);
}

void VoaManagerDialog::runMenuCommand(int command, HTREEITEM item) {
    switch (command) {
        case kRemove:
            mTree.removeItem(item);
            break;
        case kOpenFolder:
            openFolder(item);
            break;
        case kCreateHtml:
            createCategoryHtml();
            break;
        case kCreateOrderedHtml:
            createOrderedHtml();
            break;
        default:
            break;
    }
}

void VoaManagerDialog::openFolder(HTREEITEM item) {
    std::wstring path = mTree.getItemAttribute(item, L"path");
    if (path.empty()) return;
    if (!::PathIsDirectoryW(path.c_str())) {
        const size_t slash = path.find_last_of(L"/\\");
        if (slash == std::wstring::npos) return;
        path.erase(slash);
    }
    if (::PathIsDirectoryW(path.c_str())) {
        ::ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
}
