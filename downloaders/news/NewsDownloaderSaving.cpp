// The save step of a news download: the sentence list written as UTF-16 XML under a
// name made of the date and the title, and the recorded MP3 file renamed beside it.
#include <windows.h>

#include <commdlg.h>

#include "downloaders/news/NewsDownloader.h"
#include "foundation/encoding/EncodingId.h"
#include "foundation/encoding/TextFile.h"
#include "foundation/system/FileDialogs.h"
#include "foundation/system/PathUtils.h"
#include "foundation/system/StringUtils.h"
#include "foundation/xml/Element.h"

namespace {

// yyyy_mm_dd of the date key yyyyMMdd.
std::wstring dateName(const std::wstring& dateKey) {
    if (dateKey.size() < 8) return dateKey;
    return dateKey.substr(0, 4) + L"_" + dateKey.substr(4, 2) + L"_" + dateKey.substr(6, 2);
}

}  // namespace

std::wstring NewsDownloader::getBaseName() const { return escapeFileName(dateName(mDateKey) + L"_" + mTitle); }

bool NewsDownloader::saveSentenceList(HWND owner) {
    const std::wstring text = L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n" +
                              (mSentenceList ? mSentenceList->toXMLString() : std::wstring()) + L"\r\n";
    const std::wstring baseName = getBaseName();
    notifyProgress(baseName + L".xml");

    std::wstring path;
    DWORD error = 0;
    if (mChoosePath) {
        path = mChoosePath(owner, baseName + L".xml");
    } else {
        path = showSaveFileDialog(owner, L"\u4FDD\u5B58\u5148\u3092\u9078\u3093\u3067\u304F\u3060\u3055\u3044",
                                  L"XML File", baseName + L".xml", L".xml");
        if (path.empty()) error = ::CommDlgExtendedError();
    }
    if (path.empty()) {
        notifyProgress(formatString(L"\r\nFailed GetSaveFileName: Error:0x%X", static_cast<unsigned>(error)));
        return false;
    }
    if (!writeTextFile(path, text, getEncodingByName(L"UTF-16"))) {
        // Said plainly, so that the learner does not look for a file that isn't there.
        notifyProgress(L"\r\nFailed to write the file:");
        notifyProgress(path);
        return false;
    }
    if (mRenameMP3) renameRecordedFile(path, baseName);
    notifyProgress(L"\r\nEnd !!");
    return true;
}

void NewsDownloader::renameRecordedFile(const std::wstring& savedPath, const std::wstring& baseName) {
    const std::wstring folder = getDirectory(savedPath);
    const std::wstring recorded = folder + recordedFilePrefix() + dateName(mDateKey) + L".mp3";
    const std::wstring target = folder + baseName + L".mp3";
    if (!fileExists(recorded)) return;
    notifyProgress(L"Exist:");
    notifyProgress(recorded);
    if (moveFile(recorded, target)) {
        notifyProgress(L"Rename:");
        notifyProgress(target);
    }
}
