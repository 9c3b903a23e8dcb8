#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <memory>
#include <stdexcept>
#include <vector>

#include "downloaders/table/WebsiteDownloader.h"
#include "downloaders/tests/TableDownloaderSupport.h"
#include "foundation/encoding/StringConversion.h"
#include "foundation/system/PathUtils.h"
#include "foundation/xml/Element.h"
#include "foundation/xml/XMLParser.h"
#include "player/settings/Settings.h"
#include "player/lyrics/SentenceListFile.h"
#include "testsupport/LocalHttpServer.h"
#include "testsupport/ThreadWatch.h"
#include "words/WebTranslation.h"

namespace {

const char kIndexPath[] = "/photos/index.html";

// Two photos, the first one repeated, and a link that is no photo.
const char kIndexPage[] =
    "<html><body>\n"
    "<a itemprop=image rel=\"bookmark\" href=\"/pics/harbour.jpg\"><img src=\"t1.jpg\"></a>"
    "<span itemprop=name>Boats in the harbour</span>\n"
    "<a itemprop=image rel=\"bookmark\" href=\"/pics/harbour.jpg\"><img src=\"t1.jpg\"></a>"
    "<span itemprop=name>Boats again</span>\n"
    "<a itemprop=image rel=\"bookmark\" href=\"/about/contact.html\"><img src=\"t2.jpg\"></a>"
    "<span itemprop=name>Contact</span>\n"
    "<a itemprop=image rel=\"bookmark\" href=\"/pics/old:mill.jpg\"><img src=\"t3.jpg\"></a>"
    "<span itemprop=name>The old mill</span>\n"
    "</body></html>\n";

class PhotoRun {
public:
    PhotoRun() {
        // The pointer away from where the dialog opens: hover tracking over a window that
        // replaced a destroyed one has ended in X errors under Wine here.
        ::SetCursorPos(2, 2);
        installRecordingMessageSink();
        takeShownMessages();
        writeIniString(L"WebsiteDownloader", L"Site", site());
        dialog->setTranslator([this](const std::wstring& text) { return translate(text); });
        dialog->setPathChooser([this](HWND, const std::wstring& proposed) {
            chooserThreads.push_back(::GetCurrentThreadId());
            proposedNames.push_back(proposed);
            return savePath;
        });
        EXPECT_TRUE(showModelessDialog(nullptr, *dialog));
    }
    ~PhotoRun() {
        if (dialog) closeTestDialog(*dialog);
        dialog.reset();
        writeIniString(L"WebsiteDownloader", L"Site", L"");
        ::DeleteFileW(L"public_domain\\harbour.jpg");
        ::DeleteFileW(L"public_domain\\mill.jpg");
    }

    std::wstring site() const { return toWString(server.url("")); }
    std::wstring translate(const std::wstring& text) {
        translated.push_back(text);
        if (onTranslate) onTranslate(text);
        return L"\u8A33:" + text;
    }
    void servePhotos() {
        server.serve(kIndexPath, kIndexPage);
        server.serve("/pics/harbour.jpg", std::string("JFIF\0harbour", 12), "image/jpeg");
        server.serve("/pics/old:mill.jpg", "JFIF mill", "image/jpeg");
    }
    bool analyze(const std::wstring& url) {
        dialog->getUrlField().setText(url);
        clickButton(*dialog, dialog->getAnalyzeButton());
        return dialog->getTable().getItemCount() > 0;
    }
    void download() { clickButton(*dialog, dialog->getDownloadButton()); }

    LocalHttpServer server;
    TempDirectory folder;
    std::wstring savePath = folder.file(L"photos.xml");
    std::vector<std::wstring> proposedNames;
    std::vector<DWORD> chooserThreads;
    std::vector<std::wstring> translated;
    std::function<void(const std::wstring&)> onTranslate;
    std::unique_ptr<WebsiteDownloader> dialog = std::make_unique<WebsiteDownloader>();
};

std::string readBytes(const std::wstring& path) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes(1 << 16, '\0');
    DWORD read = 0;
    ::ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
    ::CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

}  // namespace

TEST(WebsiteDownloader, OpensWithTheSiteAddressToCompleteAndOnlyAnalyzeEnabled) {
    PhotoRun run;
    EXPECT_EQ(run.site() + L"/???", run.dialog->getUrlField().getTextCopy());
    EXPECT_EQ(L"Website Downloader", run.dialog->getText());
    EXPECT_EQ("A---", buttonStates(*run.dialog));
    EXPECT_EQ(6, run.dialog->getTable().getColumnCount());
    EXPECT_TRUE(fileExists(L"public_domain"));

    // The text as it opens is not an address yet: Analyze fetches nothing.
    clickButton(*run.dialog, run.dialog->getAnalyzeButton());
    EXPECT_EQ(0, run.dialog->getTable().getItemCount());
    EXPECT_TRUE(run.server.requests().empty());
    EXPECT_TRUE(takeShownMessages().empty());
}

TEST(WebsiteDownloader, IndexPageBecomesPicturesWithTranslationsInASavedSentenceList) {
    PhotoRun run;
    run.servePhotos();
    ASSERT_TRUE(run.analyze(run.site() + toWString(kIndexPath)));
    EXPECT_TRUE(takeShownMessages().empty());

    // The repeated photo and the link that is no photo are left out.
    ASSERT_EQ(2, run.dialog->getTable().getItemCount());
    EXPECT_EQ(run.site() + L"/pics/harbour.jpg", cell(*run.dialog, 0, AbstractDownloader::kUrlColumn));
    EXPECT_EQ(L"Boats in the harbour", cell(*run.dialog, 0, AbstractDownloader::kSentenceColumn));
    EXPECT_EQ(L"The old mill", cell(*run.dialog, 1, AbstractDownloader::kSentenceColumn));
    EXPECT_EQ("AD--", buttonStates(*run.dialog));

    run.download();
    ASSERT_TRUE(waitForPassEnd(*run.dialog));
    EXPECT_EQ("AD--", buttonStates(*run.dialog));
    EXPECT_EQ(L"OK", cell(*run.dialog, 0, AbstractDownloader::kStatusColumn));
    EXPECT_EQ(L"OK", cell(*run.dialog, 1, AbstractDownloader::kStatusColumn));
    EXPECT_EQ(L"\u8A33:Boats in the harbour", cell(*run.dialog, 0, AbstractDownloader::kTranslationColumn));
    EXPECT_EQ((std::vector<std::wstring>{L"Boats in the harbour", L"The old mill"}), run.translated);

    // Every byte of the picture, under the name its address ends in.
    EXPECT_EQ(std::string("JFIF\0harbour", 12), readBytes(L"public_domain\\harbour.jpg"));
    EXPECT_EQ("JFIF mill", readBytes(L"public_domain\\mill.jpg"));

    // The save dialog of a finished pass is the dialog's own, on its thread.
    ASSERT_EQ((std::vector<std::wstring>{L"gogakuru.xml"}), run.proposedNames);
    EXPECT_EQ((std::vector<DWORD>{::GetCurrentThreadId()}), run.chooserThreads);
    XMLParser parser;
    ASSERT_TRUE(parser.parseFile(run.savePath));
    const std::vector<Element*> groups = parser.getElementsByTagName(L"SentenceGroup");
    ASSERT_EQ(2u, groups.size());
    EXPECT_EQ(L"Boats in the harbour", groups[0]->getElementByTagName(L"sentence")->getText());
    EXPECT_EQ(L"\u8A33:Boats in the harbour", groups[0]->getElementByTagName(L"translation")->getText());
    EXPECT_EQ(L"", groups[0]->getElementByTagName(L"explanation")->getText());
    EXPECT_EQ(L"public_domain/harbour.jpg", groups[0]->getElementByTagName(L"image")->getAllText());
    EXPECT_EQ(L"public_domain/mill.jpg", groups[1]->getElementByTagName(L"image")->getAllText());
    SentenceListContent content;
    EXPECT_TRUE(readSentenceList(*parser.getRootElement(), content));
    EXPECT_EQ(2u, content.groups.size());

    // A second pass skips the rows done: its list is empty, so nothing is offered.
    run.translated.clear();
    run.download();
    ASSERT_TRUE(waitForPassEnd(*run.dialog));
    EXPECT_TRUE(run.translated.empty());
    EXPECT_EQ(1u, run.proposedNames.size());
}

TEST(WebsiteDownloader, TitlesAreTranslatedThroughTheTranslationPage) {
    PhotoRun run;
    run.servePhotos();
    writeIniString(kTranslationSection, kTranslationAddressKey, run.site());
    const std::string pageUrl = translationPageUrl(run.site(), L"Boats in the harbour");
    run.server.serve(pageUrl.substr(pageUrl.find("/translate_t")),
                     "<span id=result_box><span backgroundColor='#fff'\">\xE6\xB8\xAF\xE3\x81\xAE\xE8\x88\xB9</span>");
    run.dialog->setTranslator(translateText);
    run.analyze(run.site() + toWString(kIndexPath));
    run.download();
    const bool ended = waitForPassEnd(*run.dialog);
    writeIniString(kTranslationSection, kTranslationAddressKey, L"");
    ASSERT_TRUE(ended);
    EXPECT_EQ(L"\u6E2F\u306E\u8239", cell(*run.dialog, 0, AbstractDownloader::kTranslationColumn));
    // A title the service has no page for keeps an empty translation; the row is still done.
    EXPECT_EQ(L"", cell(*run.dialog, 1, AbstractDownloader::kTranslationColumn));
    EXPECT_EQ(L"OK", cell(*run.dialog, 1, AbstractDownloader::kStatusColumn));
}

TEST(WebsiteDownloader, AMissingTitleShowsThePageAndKeepsTheRowsBefore) {
    PhotoRun run;
    const std::string page = std::string(kIndexPage).substr(0, std::string(kIndexPage).find("<span itemprop=name>The"));
    run.server.serve(kIndexPath, page);
    run.analyze(run.site() + toWString(kIndexPath));
    EXPECT_EQ(1, run.dialog->getTable().getItemCount());
    const std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(toWString(page).substr(0, 1000), shown[0].text);

    // A page without any photo adds nothing and says nothing.
    run.server.serve("/photos/empty.html", "<html>nothing here</html>");
    run.analyze(run.site() + L"/photos/empty.html");
    EXPECT_EQ(1, run.dialog->getTable().getItemCount());
    EXPECT_TRUE(takeShownMessages().empty());
}

TEST(WebsiteDownloader, TypedAddressesGetASchemeOnlyWhenTheyHaveNone) {
    PhotoRun run;
    const std::wstring host = run.site().substr(7);  // without "http://"
    run.analyze(host + L"/pics/a.jpg");
    run.analyze(L"https://" + host + L"/pics/b.jpg");
    ASSERT_EQ(2, run.dialog->getTable().getItemCount());
    EXPECT_EQ(L"http://" + host + L"/pics/a.jpg", cell(*run.dialog, 0, AbstractDownloader::kUrlColumn));
    EXPECT_EQ(L"https://" + host + L"/pics/b.jpg", cell(*run.dialog, 1, AbstractDownloader::kUrlColumn));
    EXPECT_EQ(AbstractDownloader::kTypedSentence, cell(*run.dialog, 0, AbstractDownloader::kSentenceColumn));

    // The same address again adds no row (the site's page is read as an index page then);
    // one that is neither a photo nor a page of the site is refused with a message.
    run.server.serve("/pics/a.jpg", "<html></html>");
    run.analyze(host + L"/pics/a.jpg");
    EXPECT_EQ(2, run.dialog->getTable().getItemCount());
    EXPECT_TRUE(takeShownMessages().empty());
    run.analyze(L"http://elsewhere.invalid/page.html");
    EXPECT_EQ(2, run.dialog->getTable().getItemCount());
    ASSERT_EQ(1u, takeShownMessages().size());
}

TEST(WebsiteDownloader, DeleteKeyRemovesSelectedRowsOnlyWhileIdle) {
    PhotoRun run;
    run.servePhotos();
    run.analyze(run.site() + toWString(kIndexPath));
    ASSERT_EQ(2, run.dialog->getTable().getItemCount());
    run.dialog->getTable().select(0);
    EXPECT_EQ('X', buttonStates(*run.dialog)[3]);

    // While a pass runs (held in its first translation), the key and the button do nothing.
    std::atomic<bool> checked{false};
    run.onTranslate = [&](const std::wstring&) {
        if (checked) return;
        pressKeyInTable(*run.dialog, VK_DELETE);
        clickButton(*run.dialog, run.dialog->getDeleteButton());
        checked = true;
    };
    run.download();
    EXPECT_EQ("--S-", buttonStates(*run.dialog));
    ASSERT_TRUE(waitForPassEnd(*run.dialog));
    EXPECT_TRUE(checked);
    EXPECT_EQ(2, run.dialog->getTable().getItemCount());
    EXPECT_EQ(L"OK", cell(*run.dialog, 1, AbstractDownloader::kStatusColumn));

    // Idle again: the key removes the selected rows and "Delete" goes grey.
    run.dialog->getTable().selectAll();
    EXPECT_EQ('X', buttonStates(*run.dialog)[3]);
    pressKeyInTable(*run.dialog, VK_DELETE);
    EXPECT_EQ(0, run.dialog->getTable().getItemCount());
    EXPECT_EQ('-', buttonStates(*run.dialog)[3]);
}

TEST(WebsiteDownloader, AFaultInARowFailsItAndRestoresTheButtons) {
    PhotoRun run;
    run.servePhotos();
    run.analyze(run.site() + toWString(kIndexPath));
    run.onTranslate = [](const std::wstring&) { throw std::runtime_error("translation service gone"); };
    run.download();
    ASSERT_TRUE(waitForPassEnd(*run.dialog));
    EXPECT_EQ(L"Failed", cell(*run.dialog, 0, AbstractDownloader::kStatusColumn));
    EXPECT_EQ(L"", cell(*run.dialog, 1, AbstractDownloader::kStatusColumn));
    EXPECT_EQ("AD--", buttonStates(*run.dialog));
    EXPECT_TRUE(run.proposedNames.empty());

    // A failed row is tried again on the next pass.
    run.onTranslate = nullptr;
    run.download();
    ASSERT_TRUE(waitForPassEnd(*run.dialog));
    EXPECT_EQ(L"OK", cell(*run.dialog, 0, AbstractDownloader::kStatusColumn));
    EXPECT_EQ(1u, run.proposedNames.size());
}

TEST(WebsiteDownloader, StopKeepsTheStatusesSoFarAndSavesNothing) {
    PhotoRun run;
    run.servePhotos();
    run.analyze(run.site() + toWString(kIndexPath));
    run.onTranslate = [&](const std::wstring&) {
        ::PostMessageW(run.dialog->m_hWnd, WM_COMMAND,
                       MAKEWPARAM(::GetDlgCtrlID(run.dialog->getStopButton().m_hWnd), BN_CLICKED),
                       reinterpret_cast<LPARAM>(run.dialog->getStopButton().m_hWnd));
        ::Sleep(100);
    };
    run.download();
    ASSERT_TRUE(waitForPassEnd(*run.dialog));
    pumpUntil([] { return false; }, 100);
    EXPECT_EQ(L"OK", cell(*run.dialog, 0, AbstractDownloader::kStatusColumn));
    EXPECT_EQ(L"", cell(*run.dialog, 1, AbstractDownloader::kStatusColumn));
    EXPECT_EQ("AD--", buttonStates(*run.dialog));
    EXPECT_TRUE(run.proposedNames.empty());
}

TEST(WebsiteDownloader, ClosingDuringAPassStopsTheWorkerFirst) {
    PhotoRun run;
    run.servePhotos();
    run.analyze(run.site() + toWString(kIndexPath));
    ThreadWatch worker;
    run.onTranslate = [&](const std::wstring&) {
        worker.note();
        ::Sleep(200);
    };
    run.download();
    ASSERT_TRUE(pumpUntil([&] { return worker.noted(); }, 10000));
    // The window's end waits for the worker: its thread is over once the window is gone.
    ::DestroyWindow(run.dialog->m_hWnd);
    EXPECT_TRUE(worker.hasEnded());
    run.dialog.reset();
    EXPECT_TRUE(run.proposedNames.empty());
}
