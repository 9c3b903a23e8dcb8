#include "downloaders/captions/YoutubeLyricsDialog.h"

#include <vector>

#include "downloaders/captions/CaptionSentences.h"
#include "downloaders/captions/TimedTextReader.h"
#include "downloaders/captions/TimedTextService.h"
#include "downloaders/captions/VideoPageUrl.h"
#include "foundation/http/InternetDownload.h"
#include "foundation/encoding/StringConversion.h"
#include "toolkit/window/PopupMenu.h"

namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 300;
constexpr int kEditorTop = 36;

std::wstring fetchText(const std::wstring& url) {
    return utf8ToWString(DownloadString(toNarrowString(url), "GET", ""));
}

}  // namespace

YoutubeLyricsDialog::YoutubeLyricsDialog() = default;

YoutubeLyricsDialog::~YoutubeLyricsDialog() = default;

bool YoutubeLyricsDialog::createContents() {
    centreOnDesktop(kWidth, kHeight);
    createLabel(m_hWnd, L"URL:", 8, 8, 32, 20);
    mUrlField.create(m_hWnd, 40, 8, 330, 20);
    mDownloadButton.create(m_hWnd, L"Download...", 378, 8, 80, 20);
    mOutputEditor.createWithDefaultBounds(m_hWnd);
    mOutputEditor.setBounds(8, kEditorTop, kWidth - 8 - 16, kHeight - kEditorTop - 40);
    return false;
}

bool YoutubeLyricsDialog::onCommand(HWND control, int id, int code) {
    if (control != nullptr && control == mDownloadButton.m_hWnd) {
        download();
        return true;
    }
    return Dialog::onCommand(control, id, code);
}

void YoutubeLyricsDialog::download() {
    const std::wstring url = mUrlField.getTextCopy();
    if (!isVideoPageUrl(url)) return;
    const std::wstring videoId = videoIdOf(url);
    const std::wstring host = timedTextHost();

    std::vector<CaptionTrack> tracks;
    if (!readCaptionTracks(fetchText(captionTrackListUrl(host, videoId)), tracks)) return;

    // Item ids count every track, also those left off the menu for want of a title.
    PopupMenu menu;
    bool anyItem = false;
    for (size_t i = 0; i < tracks.size(); ++i) {
        if (tracks[i].title.empty()) continue;
        menu.addItem(tracks[i].title.c_str(), static_cast<int>(i) + 1, true);
        anyItem = true;
    }
    if (!anyItem) return;
    const int chosen = menu.show(m_hWnd);
    if (chosen <= 0 || static_cast<size_t>(chosen) > tracks.size()) return;

    const std::wstring caption = readCaptionText(fetchText(captionTrackUrl(host, tracks[chosen - 1], videoId)));
    for (const std::wstring& sentence : splitCaptionSentences(caption)) mOutputEditor.appendText(sentence + L"\r\n");
}
