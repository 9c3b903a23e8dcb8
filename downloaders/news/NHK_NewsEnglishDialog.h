// The English e-news downloader dialog: a day's lesson (2009-04-01 to 2018-03-30) into a
// sentence-list file, with its keyword sentences when asked, and the day's recorded MP3
// file renamed after the list when asked. Both options and the date are remembered in
// section "NHK" of the settings after every finished download.
#pragma once

#include "downloaders/news/NHK_NewsEnglishDonwloader.h"
#include "downloaders/news/NewsDownloadDialog.h"
#include "toolkit/widgets/CheckBox.h"

class NHK_NewsEnglishDialog : public NewsDownloadDialog {
public:
    NHK_NewsEnglishDialog();
    ~NHK_NewsEnglishDialog() override;

    bool createContents() override;

    // "Download Keyword Sentences" and "Rename an MP3 file downloaded with
    // CaptureStream"; their states outlive the window.
    CheckBox& getKeyWordsCheckBox() { return mKeyWords; }
    CheckBox& getRenameCheckBox() { return mRename; }
    NHK_NewsEnglishDonwloader& getWorker() { return mWorker; }

protected:
    NewsDownloader& worker() override { return mWorker; }
    int logTop() const override { return 72; }
    void prepareWorker() override;
    void storeSettings() override;

private:
    CheckBox mKeyWords;
    CheckBox mRename;
    NHK_NewsEnglishDonwloader mWorker;
};
