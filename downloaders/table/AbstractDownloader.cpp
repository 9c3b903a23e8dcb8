#include "downloaders/table/AbstractDownloader.h"

#include "foundation/http/InternetDownload.h"
#include "downloaders/table/UrlBarLayout.h"
#include "downloaders/table/UrlScheme.h"
#include "foundation/encoding/StringConversion.h"
#include "foundation/html/HTMLParser.h"
#include "foundation/system/FileDialogs.h"
#include "foundation/system/MessageBoxes.h"
#include "foundation/xml/Element.h"

namespace {

const int kWidth = 640;
const int kHeight = 480;

const wchar_t kUnsupportedUrl[] =
    L"\u3053\u306E URL \u306F\u30B5\u30DD\u30FC\u30C8\u3057\u3066\u307E\u305B\u3093(\u00B4\u30FB\u03C9\u30FB`)\uFF01";
const wchar_t kNoPage[] = L"HTML \u3092\u53D6\u5F97\u3067\u304D\u307E\u305B\u3093\u3067\u3057\u305F\uFF01";
const wchar_t kSaveTitle[] = L"\u30EA\u30B9\u30C8\u3092 XML \u3067\u4FDD\u5B58";

}  // namespace

const wchar_t* const AbstractDownloader::kTypedSentence =
    L"\u3061\u3087\u304F\u308A\u3093(\u00B4\u30FB\u03C9\u30FB`)\uFF01";

AbstractDownloader::AbstractDownloader() {
    mSentenceList.setRootElement(new Element(L"SentenceList"));
    mSentenceList.setFilePath(L"gogakuru.xml");
}

AbstractDownloader::~AbstractDownloader() {
    // The worker uses the table and the list: it ends before they go.
    stopWorker();
}

void AbstractDownloader::stopWorker() {
    mUi.detach();
    stop();
    mPassRunning = false;
}

bool AbstractDownloader::createContents() {
    mUi.attach(m_hWnd);
    createUrlBar(m_hWnd, mUrlField, mAnalyzeButton);
    mDownloadButton.create(m_hWnd, L"Download", 55, 28, 80, 20);
    mStopButton.create(m_hWnd, L"Stop", 143, 28, 80, 20);
    mDeleteButton.create(m_hWnd, L"Delete", 231, 28, 80, 20);
    mDownloadButton.setEnabled(false);
    mStopButton.setEnabled(false);
    mDeleteButton.setEnabled(false);
    mTable.createWithDefaultBounds(m_hWnd);
    mTable.addColumn(L"URL", 240);
    mTable.addColumn(L"Sentence", 100);
    mTable.addColumn(L"Translation", 100);
    mTable.addColumn(L"Explanation", 75);
    mTable.addColumn(L"Voice", 60);
    mTable.addColumn(L"Status", 35);
    mTable.addChangeListener(this);
    centreOnDesktop(kWidth, kHeight);
    const RECT client = getClientRect();
    mTable.setBounds(0, kDownloaderTableTop, client.right, client.bottom - kDownloaderTableTop);
    setTitle(L"WebDownloader");
    onContentsCreated();
    return true;
}

void AbstractDownloader::onSize(WPARAM, LPARAM lParam) {
    if (!mTable.m_hWnd) return;
    layOutUrlBarAndTable(mUrlField, mAnalyzeButton, mTable, LOWORD(lParam), HIWORD(lParam));
}

bool AbstractDownloader::onCommand(HWND control, int id, int code) {
    if (control == nullptr) return Dialog::onCommand(control, id, code);
    if (control == mAnalyzeButton.m_hWnd) {
        const std::wstring text = mUrlField.getTextCopy();
        if (analyze(text)) mUrl = text;
    } else if (control == mDownloadButton.m_hWnd) {
        startPass();
    } else if (control == mStopButton.m_hWnd) {
        stopPass();
    } else if (control == mDeleteButton.m_hWnd) {
        if (!mPassRunning) deleteSelectedRows();
    } else {
        return Dialog::onCommand(control, id, code);
    }
    return true;
}

bool AbstractDownloader::onNotify(WPARAM wParam, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && mTable.m_hWnd && header->hwndFrom == mTable.m_hWnd) {
        // The table sends its key notifications with the key code as wParam.
        const int key = header->code == LVN_KEYDOWN ? reinterpret_cast<const NMLVKEYDOWN*>(lParam)->wVKey : 0;
        stateChanged(ChangeEvent(&mTable, static_cast<int>(header->code), key));
        return true;
    }
    return Dialog::onNotify(wParam, lParam);
}

INT_PTR AbstractDownloader::dialogProcHook(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case UiThreadCalls::kCallMessage:
            UiThreadCalls::handleMessage(lParam);
            return TRUE;
        case kPassEndedMessage:
            onPassEnded(wParam != 0, static_cast<unsigned>(lParam));
            return TRUE;
        case WM_DESTROY:
            // The worker stops while the table and the list are still whole.
            stopWorker();
            break;
        default:
            break;
    }
    return Dialog::dialogProcHook(hwnd, msg, wParam, lParam);
}

bool AbstractDownloader::analyze(std::wstring url) {
    url = withScheme(url, schemePrefix());
    if (url.find(L"???") != std::wstring::npos) return false;
    if (analyzeUrl(url, kTypedSentence)) return true;
    if (!isCrawlableUrl(url)) {
        showMessageW(kUnsupportedUrl, m_hWnd);
        return false;
    }
    const std::string page = DownloadString(toString(url), "GET", "");
    if (page.empty()) {
        showMessageW(kNoPage, m_hWnd);
        return false;
    }
    crawlPage(utf8ToWString(page));
    return true;
}

bool AbstractDownloader::analyzeUrl(std::wstring url, const std::wstring& sentence) {
    if (!acceptUrl(url)) return false;
    if (mTable.findRow(url, kUrlColumn, false) >= 0) return false;
    const int row = mTable.insertItem(url, mTable.getItemCount());
    if (row < 0) return false;
    mTable.setItemText(sentence, row, kSentenceColumn);
    mTable.repaint();
    mDownloadButton.setEnabled(true);
    return true;
}

void AbstractDownloader::crawlPage(const std::wstring& html) {
    HTMLParser parser;
    parser.parse(html);
    for (Element* anchor : parser.getElementsByTagName(L"a")) {
        analyzeUrl(anchor->getAttribute(L"href"), L"");
    }
}

void AbstractDownloader::stateChanged(ChangeEvent event) {
    if (event.getSource() != &mTable) return;
    // Rows stay while a pass walks them by index.
    if (mPassRunning) return;
    if (event.id == static_cast<int>(LVN_KEYDOWN) && event.data == VK_DELETE) {
        deleteSelectedRows();
    } else if (event.id == static_cast<int>(LVN_ITEMCHANGED)) {
        updateDeleteButton();
    }
}

void AbstractDownloader::updateDeleteButton() { mDeleteButton.setEnabled(mTable.getSelectedIndex() >= 0); }

void AbstractDownloader::deleteSelectedRows() {
    const std::vector<int> rows = mTable.getSelectedIndices();
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) mTable.removeItem(*it);
    updateDeleteButton();
}

void AbstractDownloader::startPass() {
    if (mPassRunning) return;
    mPassRunning = true;
    mDownloadButton.setEnabled(false);
    mAnalyzeButton.setEnabled(false);
    mStopButton.setEnabled(true);
    mDeleteButton.setEnabled(false);
    ++mPassNumber;
    start();
}

void AbstractDownloader::stopPass() {
    mStopButton.setEnabled(false);
    stop();
    mPassRunning = false;
    setIdleButtons();
}

void AbstractDownloader::setIdleButtons() {
    mDownloadButton.setEnabled(true);
    mStopButton.setEnabled(false);
    mAnalyzeButton.setEnabled(true);
    updateDeleteButton();
}

void AbstractDownloader::onPassEnded(bool completed, unsigned pass) {
    if (!mPassRunning || pass != mPassNumber) return;
    mPassRunning = false;
    setIdleButtons();
    if (completed) saveSentenceList();
}

void AbstractDownloader::saveSentenceList() {
    prepareSentenceListForSaving();
    Element* root = mSentenceList.getRootElement();
    if (!root || !root->getFirstChild()) return;
    const std::wstring path =
        mChoosePath ? mChoosePath(m_hWnd, mSentenceList.getFilePath())
                    : showSaveFileDialog(m_hWnd, kSaveTitle, L"XML File|*.xml", mSentenceList.getFilePath(), L".xml");
    if (path.empty()) return;
    mSentenceList.setFilePath(path);
    mSentenceList.save();
}

void AbstractDownloader::onUiThread(const std::function<void()>& step) { mUi.call(step); }

std::wstring AbstractDownloader::cellText(int row, int column) {
    std::wstring text;
    mUi.call([&] { text = mTable.getItemTextW(row, column); });
    return text;
}

void AbstractDownloader::setCellText(int row, int column, const std::wstring& text) {
    mUi.call([&] { mTable.setItemText(text, row, column); });
}

bool AbstractDownloader::isRowDone(int row) { return cellText(row, kStatusColumn).compare(0, 2, L"OK") == 0; }

void AbstractDownloader::keepGroup(Element* group) {
    Element* root = mSentenceList.getRootElement();
    if (root) {
        root->appendChild(group);
    } else {
        delete group;
    }
}
