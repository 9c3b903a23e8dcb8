#include "downloaders/table/KokokozaDownloader.h"

#include <atomic>

#include "foundation/http/InternetDownload.h"
#include "downloaders/table/LecturePages.h"
#include "downloaders/table/OutsideTool.h"
#include "downloaders/table/SafeText.h"
#include "downloaders/table/UrlBarLayout.h"
#include "foundation/encoding/StringConversion.h"
#include "foundation/system/ModulePath.h"
#include "foundation/system/PathUtils.h"
#include "foundation/system/StringUtils.h"
#include "player/settings/Settings.h"

namespace {

const int kWidth = 640;
const int kHeight = 480;
const int kChapters = 1;

std::atomic<int> gToolRuns{0};

// The series' pages are in the conversion code page, not UTF-8.
std::wstring fetchPage(const std::wstring& url) { return toWString(DownloadString(toString(url), "GET", "")); }

std::wstring metadata(const wchar_t* key, const std::wstring& value) {
    return std::wstring(L" -metadata ") + key + L"=\"" + value + L"\"";
}

}  // namespace

KokokozaDownloader::KokokozaDownloader() = default;

KokokozaDownloader::~KokokozaDownloader() {
    // The worker uses the table: it ends before the members go.
    mUi.detach();
    stop();
}

std::wstring KokokozaDownloader::getOutputDirectory() { return getModuleDirectory() + L"kokokoza\\"; }

std::wstring KokokozaDownloader::lectureAddress(int chapter) {
    std::wstring site = readIniString(L"NHK", L"KokokozaSite", L"");
    if (site.empty()) site = L"https://www.nhk.or.jp/kokokoza/";
    if (site.back() != L'/') site += L'/';
    return site + L"tv/" + L"nihonshi/" + L"archive/" + formatString(L"%schapter%03d", L"", chapter);
}

int KokokozaDownloader::toolRunCount() { return gToolRuns; }

bool KokokozaDownloader::createContents() {
    mUi.attach(m_hWnd);
    createUrlBar(m_hWnd, mUrlField, mAnalyzeButton);
    mUrlField.setText(mUrl);
    mDownloadButton.create(m_hWnd, L"Download", 55, 28, 80, 20);
    mStopButton.create(m_hWnd, L"Stop", 143, 28, 80, 20);
    mStopButton.setEnabled(false);
    mTable.createWithDefaultBounds(m_hWnd);
    mTable.addColumn(L"Title", 128);
    mTable.addColumn(L"URL", 0);
    mTable.addColumn(L"Year", 32);
    mTable.addColumn(L"Album", 64);
    mTable.addColumn(L"Status", 35);
    fillTable();
    centreOnDesktop(kWidth, kHeight);
    const RECT client = getClientRect();
    mTable.setBounds(0, kDownloaderTableTop, client.right, client.bottom - kDownloaderTableTop);
    setTitle(L"Kokokoza Downloader");
    return true;
}

void KokokozaDownloader::fillTable() {
    for (int chapter = 1; chapter <= kChapters; ++chapter) {
        const int row = mTable.insertItem(L"", mTable.getItemCount());
        mTable.setItemText(lectureAddress(chapter), row, kUrlColumn);
        mTable.setItemText(L"\u65E5\u672C\u53F2", row, kAlbumColumn);
    }
    mTable.repaint();
}

void KokokozaDownloader::onSize(WPARAM, LPARAM lParam) {
    if (!mTable.m_hWnd) return;
    layOutUrlBarAndTable(mUrlField, mAnalyzeButton, mTable, LOWORD(lParam), HIWORD(lParam));
}

bool KokokozaDownloader::onCommand(HWND control, int id, int code) {
    if (control != nullptr && control == mDownloadButton.m_hWnd) {
        if (mRunActive) return true;
        mRunActive = true;
        mDownloadButton.setEnabled(false);
        mAnalyzeButton.setEnabled(false);
        mStopButton.setEnabled(true);
        ++mRunNumber;
        start();
        return true;
    }
    if (control != nullptr && control == mStopButton.m_hWnd) {
        mStopButton.setEnabled(false);
        stop();
        mRunActive = false;
        setIdleButtons();
        return true;
    }
    if (control != nullptr && control == mAnalyzeButton.m_hWnd) return true;
    return Dialog::onCommand(control, id, code);
}

void KokokozaDownloader::setIdleButtons() {
    mDownloadButton.setEnabled(true);
    mAnalyzeButton.setEnabled(true);
    mStopButton.setEnabled(false);
}

INT_PTR KokokozaDownloader::dialogProcHook(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case UiThreadCalls::kCallMessage:
            UiThreadCalls::handleMessage(lParam);
            return TRUE;
        case kRunEndedMessage:
            if (mRunActive && static_cast<unsigned>(wParam) == mRunNumber) {
                mRunActive = false;
                setIdleButtons();
            }
            return TRUE;
        case WM_DESTROY:
            mUi.detach();
            stop();
            mRunActive = false;
            break;
        default:
            break;
    }
    return Dialog::dialogProcHook(hwnd, msg, wParam, lParam);
}

std::wstring KokokozaDownloader::cellText(int row, int column) {
    std::wstring text;
    mUi.call([&] { text = mTable.getItemTextW(row, column); });
    return text;
}

void KokokozaDownloader::setCellText(int row, int column, const std::wstring& text) {
    mUi.call([&] {
        mTable.setItemText(text, row, column);
        mTable.repaint();
    });
}

unsigned int KokokozaDownloader::run() {
    const unsigned runNumber = mRunNumber;  // set before the thread started
    // Nothing may unwind out of the thread; the buttons come back whatever happened.
    try {
        downloadLectures();
    } catch (...) {
    }
    mUi.post(kRunEndedMessage, static_cast<WPARAM>(runNumber));
    return 0;
}

void KokokozaDownloader::downloadLectures() {
    int rowCount = 0;
    mUi.call([&] { rowCount = mTable.getItemCount(); });
    const std::wstring folder = getOutputDirectory();
    createDirectory(folder);
    for (int row = 0; row < rowCount && row < kRowsPerRun; ++row) {
        if (isStopped()) return;
        try {
            downloadLecture(row, rowCount, folder);
        } catch (...) {
            setCellText(row, kStatusColumn, L"Failed");
            throw;
        }
        mUi.call([&] {
            mTable.repaint();
            mTable.ensureVisible(row);
        });
        ::Sleep(1);
    }
}

void KokokozaDownloader::downloadLecture(int row, int rowCount, const std::wstring& folder) {
    const std::wstring url = cellText(row, kUrlColumn);
    const std::wstring title = readLectureTitle(fetchPage(url + L".html"));
    setCellText(row, kTitleColumn, title);
    const std::vector<std::wstring> parts = readLectureParts(fetchPage(url + L".xml"));
    // Without a title there is no name to save under.
    if (title.empty()) return;
    const std::wstring year = cellText(row, kYearColumn);
    const std::wstring album = cellText(row, kAlbumColumn);
    if (!isSafeCommandArgument(title) || !isSafeCommandArgument(year) || !isSafeCommandArgument(album)) {
        setCellText(row, kStatusColumn, L"Failed");
        return;
    }
    // Every name is made safe as a whole, not only the title in front of it: a title such
    // as "COM" followed by a part number names a device.
    const std::wstring stem = safeFileName(title);
    const std::wstring target = folder + safeFileName(stem + L".mp3");
    if (fileExists(target)) return;

    std::vector<std::wstring> partFiles;
    bool allRecorded = true;
    for (size_t k = 0; k < parts.size(); ++k) {
        if (!isSafeCommandArgument(parts[k])) {
            setCellText(row, kStatusColumn, L"Failed");
            return;
        }
        const std::wstring partName = safeFileName(stem + std::to_wstring(k + 1) + L".flv");
        allRecorded = downloadPart(row, folder, partName, parts[k]) && allRecorded;
        partFiles.push_back(folder + partName);
    }
    if (partFiles.empty()) return;
    // Until the joined MP3 exists the parts are the only copy of the lecture: they go only
    // after a join of all of them succeeded.
    if (!allRecorded || !joinParts(row, joinCommand(partFiles, title, year, album, row, rowCount, target), target)) {
        setCellText(row, kStatusColumn, L"Failed");
        return;
    }
    for (const std::wstring& part : partFiles) ::DeleteFileW(part.c_str());
}

bool KokokozaDownloader::downloadPart(int row, const std::wstring& folder, const std::wstring& partName,
                                      const std::wstring& stream) {
    // A part takes its name only once recorded whole, so a part file found here is complete;
    // the recorder writes under another name, which a failed or stopped run leaves behind.
    const std::wstring part = folder + partName;
    if (fileExists(part)) return true;
    const std::wstring recording = folder + safeFileName(partName + L".part");
    const bool recorded =
        runTool(row, L"\"" + getFlvstreamerPath() + L"\" -v -r \"" + stream + L"\" -o \"" + recording + L"\"") &&
        ::MoveFileExW(recording.c_str(), part.c_str(), MOVEFILE_REPLACE_EXISTING);
    if (!recorded) ::DeleteFileW(recording.c_str());
    return recorded;
}

bool KokokozaDownloader::joinParts(int row, const std::wstring& command, const std::wstring& target) {
    if (runTool(row, command) && fileExists(target)) return true;
    // Half a join would pass for the saved lecture on the next run.
    ::DeleteFileW(target.c_str());
    return false;
}

bool KokokozaDownloader::runTool(int row, const std::wstring& commandLine) {
    if (isStopped()) return false;
    const OutsideToolRun run = runOutsideTool(
        commandLine,
        [&](const std::wstring& error) {
            const std::wstring line = trimString(error, L" \t\r\n");
            if (!line.empty())
                setCellText(row, kStatusColumn, replaceAll(replaceAll(line, L"\r\n", L" "), L"\n", L" "));
        },
        [this] { return isStopped(); });
    if (!run.started) return false;
    const int count = ++gToolRuns;
    // A failed run leaves its last error line in the Status cell.
    if (run.succeeded()) setCellText(row, kStatusColumn, L"complete");
    writeCommandLog(formatString(L"%d kokokoza.bat", count), commandLine);
    return run.succeeded();
}

std::wstring KokokozaDownloader::joinCommand(const std::vector<std::wstring>& parts, const std::wstring& title,
                                             const std::wstring& year, const std::wstring& album, int row, int rowCount,
                                             const std::wstring& target) {
    std::wstring command = L"\"" + getFfmpegPath() + L"\" ";
    for (const std::wstring& part : parts) command += L"-i \"" + part + L"\" ";
    command += L"-filter_complex \"concat=n=" + std::to_wstring(parts.size()) + L":v=0:a=1\" ";
    command += metadata(L"title", title);
    command += metadata(L"date", year);
    command += metadata(L"track", std::to_wstring(row + 1) + L"/" + std::to_wstring(rowCount));
    command += metadata(L"genre", L"Speech");
    command += metadata(L"publisher", L"NHK");
    command += metadata(L"copyright", L"NHK");
    command += metadata(L"artist", L"NHK");
    command += metadata(L"album", album);
    command += L" -id3v2_version 3 -write_id3v1 1";
    command += L" \"" + target + L"\"";
    return command;
}
