// The lecture downloader: for each lecture row it reads the lecture's title and the
// stream parts of its description, records every part with "Plugins\flvstreamer" and
// joins them with "Plugins\ffmpeg" into one tagged MP3 in "kokokoza\" of the program
// folder, showing the tools' progress in the row's Status cell. The parts are deleted only
// once joined; a row whose recording or join failed or was stopped keeps its parts and
// ends "Failed". Each tool run leaves its command line in a numbered "N kokokoza.bat".
// The series' address is the setting "KokokozaSite" of section "NHK".
//
// Values from the pages go on command lines only when they hold nothing a command
// interpreter would act on, and the title becomes a file name only once made safe. The
// worker changes the table only on the dialog's thread and is stopped before it goes.
#pragma once

#include <string>
#include <vector>

#include "downloaders/table/UiThreadCalls.h"
#include "foundation/system/Thread.h"
#include "texteditor/editor/TextEditor.h"
#include "toolkit/widgets/Button.h"
#include "toolkit/widgets/TableComponent.h"
#include "toolkit/window/Dialog.h"

class KokokozaDownloader : public Dialog, public Thread {
public:
    enum Column { kTitleColumn, kUrlColumn, kYearColumn, kAlbumColumn, kStatusColumn };
    // Posted by the worker when a run ends; wParam is the run's number.
    static constexpr UINT kRunEndedMessage = WM_APP + 42;
    // Rows a run processes at most.
    static constexpr int kRowsPerRun = 5;

    KokokozaDownloader();
    ~KokokozaDownloader() override;

    bool createContents() override;
    bool onCommand(HWND control, int id, int code) override;
    void onSize(WPARAM wParam, LPARAM lParam) override;
    INT_PTR dialogProcHook(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    unsigned int run() override;

    void setUrl(const std::wstring& url) { mUrl = url; }
    const std::wstring& getUrl() const { return mUrl; }
    bool isRunActive() const { return mRunActive; }

    TableComponent& getTable() { return mTable; }
    Button& getAnalyzeButton() { return mAnalyzeButton; }
    Button& getDownloadButton() { return mDownloadButton; }
    Button& getStopButton() { return mStopButton; }

    // "kokokoza\" of the program folder.
    static std::wstring getOutputDirectory();
    // The address of a chapter's lecture, without ".html" or ".xml".
    static std::wstring lectureAddress(int chapter);
    static std::wstring getFfmpegPath() { return L"Plugins\\ffmpeg"; }
    static std::wstring getFlvstreamerPath() { return L"Plugins\\flvstreamer"; }
    // The number of tool runs so far in this program, which numbers the batch logs.
    static int toolRunCount();

    // The ffmpeg command that joins the parts of a row into the target, with its tags.
    static std::wstring joinCommand(const std::vector<std::wstring>& parts, const std::wstring& title,
                                    const std::wstring& year, const std::wstring& album, int row, int rowCount,
                                    const std::wstring& target);

private:
    void fillTable();
    void downloadLectures();
    void downloadLecture(int row, int rowCount, const std::wstring& folder);
    // True when the part is recorded whole as folder + partName.
    bool downloadPart(int row, const std::wstring& folder, const std::wstring& partName, const std::wstring& stream);
    // Runs the join; true when it succeeded and made the target (a failed join's output goes).
    bool joinParts(int row, const std::wstring& command, const std::wstring& target);
    // True when the tool ran to its end with exit code 0.
    bool runTool(int row, const std::wstring& commandLine);
    std::wstring cellText(int row, int column);
    void setCellText(int row, int column, const std::wstring& text);
    void setIdleButtons();

    TableComponent mTable;
    TextEditor mUrlField;
    Button mAnalyzeButton;
    Button mDownloadButton;
    Button mStopButton;
    std::wstring mUrl;
    UiThreadCalls mUi;
    bool mRunActive = false;
    // Counts the runs started: a stopped run's late report names an older number and must
    // not end the run started after it.
    unsigned mRunNumber = 0;
};
