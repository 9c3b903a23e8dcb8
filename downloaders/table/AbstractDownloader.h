// The dialog that page-based downloaders are made from. The user types a start address;
// "Analyze" fills the table with one row per item address found there; "Download" starts
// a worker that turns each row into a "SentenceGroup" of a sentence list, and a pass that
// reaches its end offers the list for saving as XML. A site supplies which addresses are
// items and index pages and how one row becomes a group.
//
// The worker changes cells and buttons only through UiThreadCalls, so every window call
// runs on the dialog's thread; the save dialog of a finished pass runs there too. Rows
// are not deleted while a pass runs, and the worker is stopped before the window goes.
#pragma once

#include <functional>
#include <string>

#include "downloaders/table/UiThreadCalls.h"
#include "foundation/system/Thread.h"
#include "foundation/xml/XMLParser.h"
#include "texteditor/editor/TextEditor.h"
#include "toolkit/widgets/Button.h"
#include "toolkit/widgets/TableComponent.h"
#include "toolkit/window/Dialog.h"
#include "toolkit/window/Listeners.h"

class Element;

class AbstractDownloader : public Dialog, public ChangeListener, public Thread {
public:
    enum Column { kUrlColumn, kSentenceColumn, kTranslationColumn, kExplanationColumn, kVoiceColumn, kStatusColumn };
    // Posted by the worker when a pass ends; wParam is 1 when it reached its end, lParam
    // is the pass's number.
    static constexpr UINT kPassEndedMessage = WM_APP + 41;

    // Answers the path to save the list under, given the proposed name; empty: not saved.
    using PathChooser = std::function<std::wstring(HWND owner, const std::wstring& proposedName)>;

    AbstractDownloader();
    ~AbstractDownloader() override;

    bool createContents() override;
    bool onCommand(HWND control, int id, int code) override;
    bool onNotify(WPARAM wParam, LPARAM lParam) override;
    void onSize(WPARAM wParam, LPARAM lParam) override;
    INT_PTR dialogProcHook(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    // The Analyze step: true when it added rows or, for an index page, read the page.
    virtual bool analyze(std::wstring url);
    // Adds one item row unless the site refuses the address or a row has it already.
    virtual bool analyzeUrl(std::wstring url, const std::wstring& sentence);
    // Collects item rows from a page: the address of every "a" element.
    virtual void crawlPage(const std::wstring& html);
    // The table's notifications: Delete key and selection changes.
    void stateChanged(ChangeEvent event) override;
    unsigned int run() override;

    void updateDeleteButton();
    void deleteSelectedRows();
    // Offers the list for saving (on the dialog's thread); nothing when it is empty.
    void saveSentenceList();

    // The last address that analysed successfully.
    void setUrl(const std::wstring& url) { mUrl = url; }
    const std::wstring& getUrl() const { return mUrl; }
    void setPathChooser(PathChooser chooser) { mChoosePath = std::move(chooser); }
    bool isPassRunning() const { return mPassRunning; }

    TableComponent& getTable() { return mTable; }
    TextEditor& getUrlField() { return mUrlField; }
    Button& getAnalyzeButton() { return mAnalyzeButton; }
    Button& getDownloadButton() { return mDownloadButton; }
    Button& getStopButton() { return mStopButton; }
    Button& getDeleteButton() { return mDeleteButton; }
    XMLParser& getSentenceList() { return mSentenceList; }

    // The sentence of a row typed in directly rather than found on an index page.
    static const wchar_t* const kTypedSentence;

protected:
    // After the window is built: the site sets its start text, title and folders.
    virtual void onContentsCreated() {}
    // True for an index page whose links are collected.
    virtual bool isCrawlableUrl(const std::wstring& url) = 0;
    // Builds the group of a row (on the worker thread); null on failure. The caller owns it.
    virtual Element* createSentenceGroup(int row) = 0;
    // True for an item address; may rewrite it (make a link absolute) first.
    virtual bool acceptUrl(std::wstring& url) = 0;
    // The scheme put in front of an address typed without one.
    virtual std::wstring schemePrefix() const { return L"http://"; }
    // A row that a pass leaves alone.
    virtual bool isRowDone(int row);
    // What becomes of a group once its row is filled in: kept for the saved list here.
    virtual void keepGroup(Element* group);
    // Called before saving: a site may build the list from the table instead.
    virtual void prepareSentenceListForSaving() {}

    // Cells and table changes from any thread: they run on the dialog's thread.
    std::wstring cellText(int row, int column);
    void setCellText(int row, int column, const std::wstring& text);
    void onUiThread(const std::function<void()>& step);

    void downloadRows();
    // Detaches the worker from the window and ends it; a site calls this first in its
    // destructor, since the worker calls the site's operations.
    void stopWorker();

private:
    void startPass();
    void stopPass();
    void onPassEnded(bool completed, unsigned pass);
    void setIdleButtons();
    void fillRow(int row, Element& group);

    TableComponent mTable;
    TextEditor mUrlField;
    Button mAnalyzeButton;
    Button mDownloadButton;
    Button mStopButton;
    Button mDeleteButton;
    XMLParser mSentenceList;
    std::wstring mUrl;
    PathChooser mChoosePath;
    UiThreadCalls mUi;
    bool mPassRunning = false;
    // Counts the passes started: a stopped pass's late report names an older number and
    // must not end the pass started after it.
    unsigned mPassNumber = 0;
};
