#include "downloaders/news/NewsDownloadDialog.h"

#include "downloaders/news/NewsDownloader.h"
#include "downloaders/news/RetrieverException.h"
#include "foundation/system/MessageBoxes.h"
#include "foundation/system/ParserException.h"
#include "foundation/system/StringUtils.h"
#include "player/settings/DateSetting.h"
#include "player/settings/Settings.h"

namespace {

const int kDialogWidth = 450;
const int kDialogHeight = 360;
const int kLeft = 8;
const size_t kMessageBoxLength = 1000;
const int kLabelWidth = 150;
const int kLabelGap = 6;  // between the label's text and the calendar

// How far the label's text runs past its width in its own font: 0 with the usual desktop
// fonts; with wider ones the controls to its right move over rather than cut it.
int labelOverflow(HWND label, const std::wstring& text) {
    HDC dc = ::GetDC(label);
    if (!dc) return 0;
    HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(label, WM_GETFONT, 0, 0)));
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(dc, previous);
    ::ReleaseDC(label, dc);
    const int needed = size.cx + kLabelGap;
    return needed > kLabelWidth ? needed - kLabelWidth : 0;
}

}  // namespace

NewsDownloadDialog::NewsDownloadDialog() = default;

NewsDownloadDialog::~NewsDownloadDialog() {
    // The window normally stopped the worker when it went; a subclass stops its own
    // worker in its destructor, since the worker is gone by the time this one runs.
    mReportWindow = nullptr;
}

void NewsDownloadDialog::createFrameControls(const std::wstring& title, const Date& earliest, const Date& latest) {
    mReportWindow = m_hWnd;
    setTitle(title);
    const std::wstring label = L"Choose English News Date:";
    HWND labelWindow = createLabel(m_hWnd, label, kLeft, 10, kLabelWidth, 20);
    const int overflow = labelWindow ? labelOverflow(labelWindow, label) : 0;
    if (overflow > 0) ::MoveWindow(labelWindow, kLeft, 12, kLabelWidth + overflow, 18, TRUE);
    mCalendar.create(m_hWnd, 158 + overflow, 8, 120, 20);
    mDownloadButton.create(m_hWnd, L"Download...", 282 + overflow, 8, 80, 20);
    const RECT client = getClientRect();
    mLog.create(m_hWnd, kLeft, logTop(), client.right - kLeft, client.bottom - logTop());
    centreOnDesktop(kDialogWidth, kDialogHeight);
    mCalendar.setRange(earliest, latest);
    if (mDate.isSet()) mCalendar.setDate(mDate);
}

void NewsDownloadDialog::onSize(WPARAM, LPARAM lParam) {
    if (!mLog.m_hWnd) return;
    const int width = LOWORD(lParam);
    const int height = HIWORD(lParam);
    mLog.setBounds(kLeft, logTop(), width - kLeft, height - logTop());
}

bool NewsDownloadDialog::onCommand(HWND control, int id, int code) {
    if (control != nullptr && control == mDownloadButton.m_hWnd) {
        startDownload();
        return true;
    }
    return Dialog::onCommand(control, id, code);
}

void NewsDownloadDialog::startDownload() {
    try {
        mDownloadButton.setEnabled(false);
        mLog.setText(L"");
        const Date date = mCalendar.getDate();
        worker().setDate(formatString(L"%04d%02d%02d", date.getYear(), date.getMonth(), date.getDay()));
        prepareWorker();
        worker().start();
    } catch (const ParserException& e) {
        reportStartFailure(e.getMessage());
    } catch (const RetrieverException& e) {
        reportStartFailure(e.getMessage());
    }
}

void NewsDownloadDialog::reportStartFailure(const std::wstring& message) {
    showMessageW(message.substr(0, kMessageBoxLength), m_hWnd);
    appendLog(L"");
    appendLog(message);
    mDownloadButton.setEnabled(true);
}

INT_PTR NewsDownloadDialog::dialogProcHook(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case kProgressMessage:
            appendLog(mProgressText);
            return TRUE;
        case kFinishedMessage:
            onFinished();
            return TRUE;
        case kFailedMessage:
            mDownloadButton.setEnabled(true);
            return TRUE;
        case WM_DESTROY:
            stopWorker();
            break;
        default:
            break;
    }
    return Dialog::dialogProcHook(hwnd, msg, wParam, lParam);
}

void NewsDownloadDialog::onFinished() {
    worker().saveSentenceList(m_hWnd);
    mDownloadButton.setEnabled(true);
    mCalendar.stepToNextWeekday();
    mDate = mCalendar.getDate();
    storeSettings();
}

void NewsDownloadDialog::storeSettings() { writeIniString(L"NHK", L"Calendar", formatDate(mDate)); }

void NewsDownloadDialog::stopWorker() {
    mReportWindow = nullptr;
    worker().stop();
}

void NewsDownloadDialog::showProgress(const std::wstring& text) {
    const HWND window = mReportWindow;
    if (!window) return;
    mProgressText = text;
    ::SendMessageW(window, kProgressMessage, 0, 0);
}

void NewsDownloadDialog::downloadFinished() {
    const HWND window = mReportWindow;
    if (window) ::PostMessageW(window, kFinishedMessage, 0, 0);
}

void NewsDownloadDialog::downloadFailed() {
    const HWND window = mReportWindow;
    if (window) ::PostMessageW(window, kFailedMessage, 0, 0);
}

void NewsDownloadDialog::appendLog(std::wstring text) {
    if (!mLog.m_hWnd) return;
    mLog.appendText(text + L"\r\n");
    mLog.update();
}
