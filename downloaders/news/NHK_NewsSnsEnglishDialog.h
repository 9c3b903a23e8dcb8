// The SNS English news downloader dialog: a day's lesson (2018-04-02 to 2030-03-31) into
// a sentence-list file, with its keyword sentences when "Download Keyword Sentences" is
// checked. The calendar opens on today; the dialog stores no date of its own.
#pragma once

#include "downloaders/news/NHK_NewsSnsEnglishDonwloader.h"
#include "downloaders/news/NewsDownloadDialog.h"
#include "toolkit/widgets/CheckBox.h"

class NHK_NewsSnsEnglishDialog : public NewsDownloadDialog {
public:
    NHK_NewsSnsEnglishDialog();
    ~NHK_NewsSnsEnglishDialog() override;

    bool createContents() override;

    // The check box "Download Keyword Sentences"; its state outlives the window.
    CheckBox& getKeyWordsCheckBox() { return mKeyWords; }
    NHK_NewsSnsEnglishDonwloader& getWorker() { return mWorker; }

protected:
    NewsDownloader& worker() override { return mWorker; }
    int logTop() const override { return 72; }
    void prepareWorker() override;
    // The date is not remembered for this dialog.
    void storeSettings() override {}

private:
    CheckBox mKeyWords;
    NHK_NewsSnsEnglishDonwloader mWorker;
};
