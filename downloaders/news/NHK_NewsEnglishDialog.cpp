#include "downloaders/news/NHK_NewsEnglishDialog.h"

#include "player/settings/Settings.h"

namespace {

// Creates the check box with the state it had before (set while it had no window) and
// narrows it to its text.
void createCheckBox(HWND parent, CheckBox& box, const std::wstring& text, int y) {
    const bool checked = box.isSelected();
    box.create(parent, text, 8, y, 240, 20);
    box.setSelected(checked);
    box.adjustSize();
}

}  // namespace

NHK_NewsEnglishDialog::NHK_NewsEnglishDialog() : mWorker(this) {}

NHK_NewsEnglishDialog::~NHK_NewsEnglishDialog() {
    // First of all: the running worker reports to this dialog and uses its own fields.
    stopWorker();
}

bool NHK_NewsEnglishDialog::createContents() {
    // "NHK News de Eikaiwa (Monday to Friday)" script downloader.
    const std::wstring title =
        L"\u300CNHK \u30CB\u30E5\u30FC\u30B9\u3067\u82F1\u4F1A\u8A71\uFF08\u6708\uFF5E\u91D1\uFF09\u300D"
        L"\u30B9\u30AF\u30EA\u30D7\u30C8\u30C0\u30A6\u30F3\u30ED\u30FC\u30C0\u30FC";
    Date first;
    first.set(2009, 4, 1);
    Date last;
    last.set(2018, 3, 30);
    createFrameControls(title, first, last);
    createCheckBox(m_hWnd, mKeyWords, L"Download Keyword Sentences", 30);
    createCheckBox(m_hWnd, mRename, L"Rename an MP3 file downloaded with CaptureStream", 50);
    // When the recording of the day lies where the list is saved, it takes the list's name.
    mRename.setToolTip(
        L"\u300C\u30CB\u30E5\u30FC\u30B9\u3067\u82F1\u4F1A\u8A71\uFF08\u8AAD\u307F\u76F4\u3057\u97F3\u58F0\uFF09"
        L"_xxxx_xx_xx.mp3\u300D\u304C\r\nxml \u30D5\u30A1\u30A4\u30EB\u4FDD\u5B58\u5148\u306B\u3042\u308C\u3070\r\n"
        L"xml \u30D5\u30A1\u30A4\u30EB\u3068\u540C\u3058\u540D\u524D\u306B\u30EA\u30CD\u30FC\u30E0\u3057\u307E\u3059"
        L"\u3002",
        500);
    return false;
}

void NHK_NewsEnglishDialog::prepareWorker() {
    setDate(getCalendar().getDate());
    mWorker.setDownloadWithKeyWords(mKeyWords.isSelected());
    mWorker.setRenameMP3(mRename.isSelected());
}

void NHK_NewsEnglishDialog::storeSettings() {
    writeIniInt(L"NHK", L"DownloadWithKeyWords", mKeyWords.isSelected() ? 1 : 0);
    writeIniInt(L"NHK", L"RenameMP3", mRename.isSelected() ? 1 : 0);
    NewsDownloadDialog::storeSettings();
}
