// The frame of the news downloader dialogs: a calendar for the broadcast date, a
// "Download..." button and a log, over a NewsDownloader worker. A site's dialog derives
// from it, owns its worker (built with this dialog as its listener), creates its controls
// in createContents through createFrameControls, and may add check boxes that it copies
// into the worker in prepareWorker and stores in storeSettings.
//
// The worker's reports arrive as private messages (never as WM_COMMAND, whose ids 1 and 2
// are the dialog manager's Enter and Esc). Progress lines are sent, so the worker waits
// until its line is in the log; finished and failed are posted and so come after every
// line. After a finished run: the save step, the button enabled again, the calendar on
// the next weekday and "Calendar" of section "NHK" stored. The worker is stopped when
// the window goes, before anything else is released.
#pragma once

#include <atomic>
#include <string>

#include "downloaders/news/DownloadListener.h"
#include "texteditor/editor/TextEditor.h"
#include "toolkit/widgets/Button.h"
#include "toolkit/widgets/CalendarPane.h"
#include "toolkit/widgets/Date.h"
#include "toolkit/window/Dialog.h"

class NewsDownloader;

class NewsDownloadDialog : public Dialog, public DownloadListener {
public:
    enum : UINT {
        kProgressMessage = WM_APP + 1,
        kFinishedMessage = WM_APP + 2,
        kFailedMessage = WM_APP + 3,
    };

    NewsDownloadDialog();
    ~NewsDownloadDialog() override;

    // The date the calendar shows when the dialog opens; afterwards the date last stored.
    void setDate(Date date) { mDate = date; }
    Date getDate() const { return mDate; }

    bool onCommand(HWND control, int id, int code) override;
    void onSize(WPARAM wParam, LPARAM lParam) override;
    INT_PTR dialogProcHook(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    // DownloadListener, called on the worker's thread (or, in the save step, on this one).
    void showProgress(const std::wstring& text) override;
    void downloadFinished() override;
    void downloadFailed() override;

    // Adds the text and a line break at the end of the log and shows it at once.
    void appendLog(std::wstring text);

    Button& getDownloadButton() { return mDownloadButton; }
    TextEditor& getLog() { return mLog; }
    CalendarPane& getCalendar() { return mCalendar; }

protected:
    virtual NewsDownloader& worker() = 0;
    // The log's top edge: below the calendar row and any check boxes.
    virtual int logTop() const { return 46; }
    // Copies the dialog's options into the worker before a run.
    virtual void prepareWorker() {}
    // After a finished run: stores the calendar's date as "Calendar" of section "NHK".
    virtual void storeSettings();

    // The title, the label, calendar, button and log, the dialog centred at 450 x 360,
    // the calendar's range and the dialog's date on it.
    void createFrameControls(const std::wstring& title, const Date& earliest, const Date& latest);
    // Stops a running worker; its later messages are dropped.
    void stopWorker();

private:
    void startDownload();
    // A failure before the worker ran: a message box with its start, and the log.
    void reportStartFailure(const std::wstring& message);
    void onFinished();

    Button mDownloadButton;
    TextEditor mLog;
    Date mDate;
    CalendarPane mCalendar;
    std::wstring mProgressText;
    // The window the worker reports to; null once it is closing, so that reports are dropped.
    std::atomic<HWND> mReportWindow{nullptr};
};
