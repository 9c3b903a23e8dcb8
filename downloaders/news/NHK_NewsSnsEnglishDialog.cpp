#include "downloaders/news/NHK_NewsSnsEnglishDialog.h"

NHK_NewsSnsEnglishDialog::NHK_NewsSnsEnglishDialog() : mWorker(this) {}

NHK_NewsSnsEnglishDialog::~NHK_NewsSnsEnglishDialog() {
    // First of all: the running worker reports to this dialog and uses its own fields.
    stopWorker();
}

bool NHK_NewsSnsEnglishDialog::createContents() {
    // "NHK News de Eigo-jutsu (Monday to Friday)" script downloader: the series' title.
    const std::wstring title =
        L"\u300CNHK \u30CB\u30E5\u30FC\u30B9\u3067\u82F1\u8A9E\u8853\uFF08\u6708\uFF5E\u91D1\uFF09\u300D"
        L"\u30B9\u30AF\u30EA\u30D7\u30C8\u30C0\u30A6\u30F3\u30ED\u30FC\u30C0\u30FC";
    Date first;
    first.set(2018, 4, 2);
    Date last;
    last.set(2030, 3, 31);
    createFrameControls(title, first, last);
    const bool checked = mKeyWords.isSelected();
    mKeyWords.create(m_hWnd, L"Download Keyword Sentences", 8, 30, 240, 20);
    mKeyWords.setSelected(checked);
    mKeyWords.adjustSize();
    return false;
}

void NHK_NewsSnsEnglishDialog::prepareWorker() { mWorker.setDownloadWithKeyWords(mKeyWords.isSelected()); }
