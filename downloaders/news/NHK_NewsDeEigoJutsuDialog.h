// The "News de Eigo-jutsu" downloader dialog: one weekday article of the series, from
// its first broadcast date (2020-03-30) to today, into a sentence-list file.
#pragma once

#include "downloaders/news/NHK_NewsDeEigoJutsuDonwloader.h"
#include "downloaders/news/NewsDownloadDialog.h"

class NHK_NewsDeEigoJutsuDialog : public NewsDownloadDialog {
public:
    NHK_NewsDeEigoJutsuDialog();
    ~NHK_NewsDeEigoJutsuDialog() override;

    bool createContents() override;

    NHK_NewsDeEigoJutsuDonwloader& getWorker() { return mWorker; }

protected:
    NewsDownloader& worker() override { return mWorker; }

private:
    NHK_NewsDeEigoJutsuDonwloader mWorker;
};
