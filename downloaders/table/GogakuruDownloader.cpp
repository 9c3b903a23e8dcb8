#include "downloaders/table/GogakuruDownloader.h"

#include "downloaders/flv/FlvManager.h"
#include "foundation/http/InternetDownload.h"
#include "downloaders/table/OutsideTool.h"
#include "downloaders/table/PhrasePage.h"
#include "downloaders/table/SafeText.h"
#include "downloaders/table/SentenceGroupElements.h"
#include "foundation/encoding/StringConversion.h"
#include "foundation/system/MessageBoxes.h"
#include "foundation/system/ModulePath.h"
#include "foundation/system/PathUtils.h"
#include "foundation/xml/Element.h"
#include "player/settings/Settings.h"

namespace {

const wchar_t kPhrasePath[] = L"/english/phrase/";
const wchar_t kNoMainBlock[] =
    L"phrase_main_padding \u304C\u898B\u3064\u304B\u3089\u306A\u3044\u70BA\u30C0\u30A6\u30F3\u30ED\u30FC\u30C9"
    L"\u3067\u304D\u307E\u305B\u3093\u3067\u3057\u305F\u3002";
// A recording smaller than this is no voice: the command is left for the user to run.
const DWORD kSmallestRecording = 1000;

bool startsWith(const std::wstring& text, const std::wstring& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::wstring setting(const wchar_t* key, const wchar_t* defaultValue) {
    const std::wstring value = readIniString(L"NHK", key, defaultValue);
    return value.empty() ? std::wstring(defaultValue) : value;
}

DWORD fileSize(const std::wstring& path) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    const DWORD size = ::GetFileSize(file, nullptr);
    ::CloseHandle(file);
    return size == INVALID_FILE_SIZE ? 0 : size;
}

}  // namespace

GogakuruDownloader::GogakuruDownloader() : mProgramFolder(getModuleDirectory()) {}

GogakuruDownloader::~GogakuruDownloader() { stopWorker(); }

std::wstring GogakuruDownloader::site() { return setting(L"GogakuruSite", L"https://gogakuru.com"); }

std::wstring GogakuruDownloader::streamAddress() {
    return L"rtmpe://" + setting(L"GogakuruStreamHost", L"flv.nhk.or.jp") + L"/nhk-edu/_definst_/gogakuru/";
}

std::wstring GogakuruDownloader::playerAddress() {
    return L"http://" + setting(L"GogakuruPlayerHost", L"www.nhk.or.jp") +
           L"/www11/nhk-edu/web/gogakuru/swf/phrase_player.swf";
}

void GogakuruDownloader::onContentsCreated() {
    getUrlField().setText(getUrl());
    setTitle(L"Gogakuru Downloader");
}

bool GogakuruDownloader::isCrawlableUrl(const std::wstring& url) { return startsWith(url, site() + L"/"); }

bool GogakuruDownloader::acceptUrl(std::wstring& url) {
    if (!startsWith(url, site() + kPhrasePath)) return false;
    const size_t query = url.find(L'?');
    if (query != std::wstring::npos) url.erase(query);
    return !url.empty() && url.back() >= L'0' && url.back() <= L'9';
}

void GogakuruDownloader::crawlPage(const std::wstring& html) {
    for (const std::wstring& link : readPhraseLinks(html)) {
        analyzeUrl(site() + link, L"");
        ::Sleep(1);
    }
}

bool GogakuruDownloader::isRowDone(int row) {
    return !cellText(row, kVoiceColumn).empty() && cellText(row, kStatusColumn).compare(0, 2, L"OK") == 0;
}

// The list is built from the table when saving.
void GogakuruDownloader::keepGroup(Element* group) { delete group; }

void GogakuruDownloader::prepareSentenceListForSaving() {
    XMLParser& list = getSentenceList();
    Element* root = new Element(L"SentenceList");
    TableComponent& table = getTable();
    for (int row = 0; row < table.getItemCount(); ++row) {
        Element* group =
            makeSentenceGroup(table.getItemTextW(row, kSentenceColumn), table.getItemTextW(row, kTranslationColumn),
                              table.getItemTextW(row, kExplanationColumn));
        const std::wstring voice = table.getItemTextW(row, kVoiceColumn);
        if (!voice.empty()) group->getElementByTagName(L"sentence")->setAttribute(L"voice", voice);
        root->appendChild(group);
    }
    list.setRootElement(root);
    list.setFilePath(L"gogakuru.xml");
}

Element* GogakuruDownloader::createSentenceGroup(int row) { return downloadPhrase(cellText(row, kUrlColumn)); }

void GogakuruDownloader::showOnDialog(const std::wstring& text) {
    onUiThread([&] { showMessageW(text, m_hWnd); });
}

Element* GogakuruDownloader::downloadPhrase(const std::wstring& url) {
    if (!startsWith(url, site() + kPhrasePath)) return nullptr;
    const std::wstring page = utf8ToWString(DownloadString(toString(url), "GET", ""));
    if (page.empty()) return nullptr;
    const PhrasePage phrase = readPhrasePage(page);
    if (!phrase.hasMain) {
        showOnDialog(kNoMainBlock);
        return nullptr;
    }
    createDirectory(voiceFolder());
    std::wstring voice;
    if (phrase.stream.result == InnerTextResult::Found) voice = recordVoice(phrase.stream.text);
    for (const PhraseText* piece : {&phrase.sentence, &phrase.translation, &phrase.explanation}) {
        const std::wstring failure = innerTextFailure(piece->result, page, piece->endTag);
        if (!failure.empty()) showOnDialog(failure);
    }
    Element* group = makeSentenceGroup(phrase.sentence.text, phrase.translation.text, phrase.explanation.text);
    if (!voice.empty()) group->setAttribute(L"voice", voice);
    return group;
}

std::wstring GogakuruDownloader::recordVoice(const std::wstring& stream) {
    const std::wstring name = streamName(stream);
    // The reference comes from the page: it goes on a command line and names a file.
    if (name.empty() || !isSafeCommandArgument(stream)) return std::wstring();
    const std::wstring base = voiceFolder() + safeFileName(name);
    const std::wstring flv = base + L".flv";
    const std::wstring mp3 = base + L".mp3";
    if (fileExists(mp3)) return mp3;
    if (fileExists(flv)) return std::wstring();
    const std::wstring command = L"\"" + mProgramFolder + L"Plugins\\flvstreamer\" -r \"" + streamAddress() + stream +
                                 L"\" -s \"" + playerAddress() + L"\" -o \"" + flv + L"\"";
    const OutsideToolRun run = runOutsideTool(command, nullptr, [this] { return isStopped(); });
    if (!run.started) return std::wstring();
    if (run.stopped) {
        // Half a recording: removed, so that the next pass records the voice again.
        ::DeleteFileW(flv.c_str());
        return std::wstring();
    }
    if (!fileExists(flv)) return std::wstring();
    std::wstring voice;
    if (fileSize(flv) < kSmallestRecording) {
        writeCommandLog(L"gogakuru.bat", command);
    } else if (FlvManager().convertToMp3(flv, mp3)) {
        voice = mp3;
    }
    ::DeleteFileW(flv.c_str());
    return voice;
}
