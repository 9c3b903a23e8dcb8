#include "downloaders/news/NHK_NewsDeEigoJutsuDialog.h"

NHK_NewsDeEigoJutsuDialog::NHK_NewsDeEigoJutsuDialog() : mWorker(this) {}

NHK_NewsDeEigoJutsuDialog::~NHK_NewsDeEigoJutsuDialog() {
    // First of all: the running worker reports to this dialog and uses its own fields.
    stopWorker();
}

bool NHK_NewsDeEigoJutsuDialog::createContents() {
    // "NHK News de Eigo-jutsu (Monday to Friday)" script downloader.
    const std::wstring title =
        L"\u300CNHK \u30CB\u30E5\u30FC\u30B9\u3067\u82F1\u8A9E\u8853\uFF08\u6708\uFF5E\u91D1\uFF09\u300D"
        L"\u30B9\u30AF\u30EA\u30D7\u30C8\u30C0\u30A6\u30F3\u30ED\u30FC\u30C0\u30FC";
    Date first;
    first.set(2020, 3, 30);
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    Date today;
    today.set(now.wYear, now.wMonth, now.wDay);
    createFrameControls(title, first, today);
    return false;
}
