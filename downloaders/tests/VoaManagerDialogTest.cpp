#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "downloaders/tests/VoaLessonFiles.h"
#include "downloaders/voa/VoaManagerDialog.h"
#include "foundation/xml/Element.h"
#include "foundation/xml/XMLParser.h"
#include "testsupport/LocalHttpServer.h"
#include "testsupport/TestWindows.h"

namespace {

const char kLessonPage[] =
    "<html><head><title>Saving the Bees | American Mosaic | VOA Learning English</title></head><body>"
    "<p class=\"byline\"><span id=\"live_date\">2011/03/30</span></p>"
    "<object><param name=\"flashvars\" value=\"file=http://127.0.0.1/mp3/bees.mp3&amp;autostart=0\"></object>"
    "</body></html>";

std::wstring readFile(const std::wstring& path) {
    std::wstring text;
    readTextFile(path, text, kEncodingUndefined);
    return text;
}

UINT itemState(HWND tree, HTREEITEM item) {
    return static_cast<UINT>(::SendMessageW(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), 0xFF));
}

// What a popup menu held (with its greyed items marked "-"), then dismissed.
std::vector<std::wstring> menuSeen;

void CALLBACK readAndDismissMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    HWND popup = ::FindWindowW(L"#32768", nullptr);
    HMENU menu = popup ? reinterpret_cast<HMENU>(::SendMessageW(popup, MN_GETHMENU, 0, 0)) : nullptr;
    for (int i = 0; menu && i < ::GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = L"";
        ::GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        const bool greyed = (::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED) != 0;
        menuSeen.push_back((greyed ? L"-" : L"") + std::wstring(text));
    }
    ::EndMenu();
}

// Each test runs in a folder of its own, where the dialog keeps "voa.xml".
class VoaManagerDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t previous[MAX_PATH] = {};
        ::GetCurrentDirectoryW(MAX_PATH, previous);
        mPreviousFolder = previous;
        ASSERT_TRUE(::SetCurrentDirectoryW(dir.path().c_str()));
        science = lesson(L"moon.xml", L"Water on the Moon", L"Science in the News", L"12");
        science2 = lesson(L"sleep.xml", L"Sleep", L"Science in the News", L"5");
        takeShownMessages();
    }
    void TearDown() override {
        closeDialog(Dialog::kCancelId);
        ::SetCurrentDirectoryW(mPreviousFolder.c_str());
        takeShownMessages();
    }
    std::wstring lesson(const std::wstring& name, const std::wstring& title, const std::wstring& category,
                        const std::wstring& day) {
        VoaLesson data;
        data.title = title;
        data.category = category;
        data.day = day;
        data.sourceUrl = L"http://127.0.0.1/mp3/" + name.substr(0, name.find(L'.')) + L".mp3";
        const std::wstring path = dir.file(name);
        EXPECT_TRUE(writeVoaLesson(path, data));
        return path;
    }
    void openDialog() {
        dialog.reset(new VoaManagerDialog);
        ASSERT_TRUE(showModelessDialog(nullptr, *dialog));
        pumpMessages();
    }
    // OK saves through the dialog's own button handling; Cancel does not.
    void closeDialog(int id) {
        if (!dialog) return;
        if (dialog->m_hWnd) ::SendMessageW(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
        pumpMessages();
        dialog.reset();
    }
    // Files dropped onto empty space of the tree.
    void drop(const std::vector<std::wstring>& paths) {
        ::SetCursorPos(0, 0);
        tree().onDropFiles(paths);
        pumpMessages();
    }
    VoaManagerDialog::A& tree() { return dialog->getTree(); }
    HWND treeView() { return tree().getTree().m_hWnd; }
    HTREEITEM item(const std::wstring& label) { return tree().findItemByName(label); }
    std::wstring label(HTREEITEM it) { return tree().getTree().getItemText(it); }
    std::vector<std::wstring> childLabels(HTREEITEM parent) {
        std::vector<std::wstring> labels;
        for (HTREEITEM it = tree().getTree().getChildItem(parent); it; it = tree().getTree().getNextItem(it)) {
            labels.push_back(label(it));
        }
        return labels;
    }
    void clickGet() {
        Button& button = dialog->getGetButton();
        POINT p{5, 5};
        ::ClientToScreen(button.m_hWnd, &p);
        ::SetCursorPos(p.x, p.y);
        ::SendMessageW(button.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        ::SendMessageW(button.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        ::SendMessageW(button.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        pumpMessages();
    }

    TempDirectory dir;
    std::wstring mPreviousFolder;
    std::wstring science;
    std::wstring science2;
    std::unique_ptr<VoaManagerDialog> dialog;
};

}  // namespace

TEST_F(VoaManagerDialogTest, AMissingOrBrokenCatalogueIsReplacedAndWrittenAtOnce) {
    openDialog();
    XMLParser written;
    ASSERT_TRUE(written.parseFile(L"voa.xml"));
    EXPECT_EQ(L"voa.xml", written.getRootElement()->getName());
    EXPECT_EQ(L"voa", label(tree().getRootItem()));
    closeDialog(Dialog::kCancelId);

    ASSERT_TRUE(writeTextFile(L"voa.xml", L"<voa.xml><TreeItem path=", kEncodingUtf16Le));
    openDialog();
    EXPECT_EQ(L"voa.xml", tree().getParser().getRootElement()->getName());
    EXPECT_TRUE(childLabels(tree().getRootItem()).empty());
}

TEST_F(VoaManagerDialogTest, DroppedLessonsAreFiledUnderTheirCategoryOnce) {
    const std::wstring notes = dir.file(L"notes.txt");
    ASSERT_TRUE(writeTextFile(notes, L"plain text", kEncodingUtf8));
    openDialog();
    drop({science});
    HTREEITEM category = item(L"science_in_the_news");
    ASSERT_NE(category, nullptr);
    EXPECT_EQ(tree().getRootItem(), tree().getTree().getParentItem(category));
    EXPECT_EQ(std::vector<std::wstring>{L"moon"}, childLabels(category));
    EXPECT_TRUE(itemState(treeView(), category) & TVIS_EXPANDED);
    EXPECT_EQ(L"science_in_the_news", tree().getItemAttribute(category, L"path"));

    drop({science2, science});
    // A file that is no lesson stays where it was dropped.
    drop({notes});
    EXPECT_EQ((std::vector<std::wstring>{L"moon", L"sleep"}), childLabels(category));
    EXPECT_EQ((std::vector<std::wstring>{L"science_in_the_news", L"notes"}), childLabels(tree().getRootItem()));
    // A title already in the tree is not filed again, wherever the file lies.
    const std::wstring other = dir.path() + L"\\other";
    ASSERT_TRUE(::CreateDirectoryW(other.c_str(), nullptr));
    ASSERT_TRUE(::CopyFileW(science.c_str(), (other + L"\\moon.xml").c_str(), FALSE));
    EXPECT_EQ(nullptr, tree().addChild(tree().getRootItem(), other + L"\\moon.xml"));
    EXPECT_EQ(2u, childLabels(category).size());
}

TEST_F(VoaManagerDialogTest, OkWritesTheCatalogueThatTheNextDialogShows) {
    openDialog();
    drop({science, science2});
    HTREEITEM category = item(L"science_in_the_news");
    // The learner renames the category in the tree.
    TVITEMW rename{};
    rename.mask = TVIF_TEXT;
    rename.hItem = category;
    rename.pszText = const_cast<wchar_t*>(L"Science");
    ::SendMessageW(treeView(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&rename));
    TreeView_SelectItem(treeView(), category);
    closeDialog(Dialog::kOkId);

    XMLParser written;
    ASSERT_TRUE(written.parseFile(dir.file(L"voa.xml")));
    Element* root = written.getRootElement();
    std::vector<Element*> items = written.getElementsByTagName(L"TreeItem");
    ASSERT_EQ(3u, items.size());
    EXPECT_EQ(root, items[0]->getParent());
    EXPECT_EQ(L"science_in_the_news", items[0]->getAttribute(L"path"));
    EXPECT_EQ(L"Science", items[0]->getAttribute(L"name"));
    EXPECT_EQ(TVIS_SELECTED | TVIS_EXPANDED, items[0]->getIntAttribute(L"state", 0));
    EXPECT_EQ(science, items[1]->getAttribute(L"path"));
    EXPECT_FALSE(items[1]->hasAttribute(L"name"));
    EXPECT_EQ(items[0], items[2]->getParent());

    openDialog();
    HTREEITEM shown = item(L"Science");
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ((std::vector<std::wstring>{L"moon", L"sleep"}), childLabels(shown));
    EXPECT_EQ(TVIS_SELECTED | TVIS_EXPANDED, itemState(treeView(), shown) & (TVIS_SELECTED | TVIS_EXPANDED));

    // Cancel forgets what changed since.
    tree().removeItem(item(L"sleep"));
    closeDialog(Dialog::kCancelId);
    openDialog();
    EXPECT_EQ((std::vector<std::wstring>{L"moon", L"sleep"}), childLabels(item(L"Science")));
}

TEST_F(VoaManagerDialogTest, AStoredStateSelectsAndExpandsItsItem) {
    ASSERT_TRUE(writeTextFile(L"voa.xml",
                              L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<voa.xml>"
                              L"<TreeItem path=\"history\"><TreeItem path=\"" + science2 + L"\"/></TreeItem>"
                              L"<TreeItem path=\"science\" state=\"34\"><TreeItem path=\"" + science + L"\"/></TreeItem>"
                              L"</voa.xml>",
                              kEncodingUtf16Le));
    openDialog();
    HTREEITEM history = item(L"history");
    HTREEITEM scienceItem = item(L"science");
    ASSERT_NE(scienceItem, nullptr);
    EXPECT_EQ(TVIS_SELECTED | TVIS_EXPANDED, itemState(treeView(), scienceItem) & (TVIS_SELECTED | TVIS_EXPANDED));
    EXPECT_EQ(0u, itemState(treeView(), history) & (TVIS_SELECTED | TVIS_EXPANDED));
    EXPECT_EQ(scienceItem, TreeView_GetSelection(treeView()));
}

TEST_F(VoaManagerDialogTest, AFailedWriteLeavesThePreviousCatalogue) {
    openDialog();
    drop({science});
    closeDialog(Dialog::kOkId);
    const std::wstring saved = readFile(L"voa.xml");
    ASSERT_NE(saved.find(L"moon.xml"), std::wstring::npos);

    openDialog();
    drop({science2});
    // Another program holds the file open without sharing it while OK writes.
    HANDLE held = ::CreateFileW(dir.file(L"voa.xml").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_FALSE(tree().saveDocument());
    closeDialog(Dialog::kOkId);
    ::CloseHandle(held);
    EXPECT_EQ(saved, readFile(L"voa.xml"));
    // No half-written file is left beside it.
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW(dir.file(L"voa.xml*.tmp").c_str(), &found);
    EXPECT_EQ(INVALID_HANDLE_VALUE, search);
    if (search != INVALID_HANDLE_VALUE) ::FindClose(search);
}

TEST_F(VoaManagerDialogTest, GetShowsTheId3BlockOfTheLessonPageWhichFilesTheLessonWhenCompleted) {
    LocalHttpServer server;
    server.serve("/lessons/bees.html", kLessonPage);
    server.serve("/empty.html", "");
    openDialog();
    dialog->getAddressField().setText(server.wideUrl("/lessons/bees.html"));
    clickGet();
    const std::wstring block = dialog->getTextArea().getTextCopy();
    EXPECT_EQ(L"\t<id3>\r\n"
              L"\t\t<title>Saving the Bees</title>\r\n"
              L"\t\t<category></category>\r\n"
              L"\t\t<officialSite>" + server.wideUrl("/lessons/bees.html") + L"</officialSite>\r\n"
              L"\t\t<sourceUrl>http://127.0.0.1/mp3/bees.mp3</sourceUrl>\r\n"
              L"\t\t<year>2011</year>\r\n\t\t<month>03</month>\r\n\t\t<day>30</day>\r\n"
              L"\t</id3>\r\n",
              block);

    // An empty answer leaves the text area as it was.
    dialog->getAddressField().setText(server.wideUrl("/empty.html"));
    clickGet();
    EXPECT_EQ(block, dialog->getTextArea().getTextCopy());
    EXPECT_EQ(2u, server.requests().size());

    // The learner fills in the category and files the lesson.
    std::wstring id3 = block;
    id3.replace(id3.find(L"<category>") + 10, 0, L"American Mosaic");
    const std::wstring bees = dir.file(L"bees.xml");
    ASSERT_TRUE(writeTextFile(bees, L"<SentenceList>\r\n" + id3 + L"</SentenceList>\r\n", kEncodingUtf16Le));
    drop({bees, science});
    EXPECT_EQ(std::vector<std::wstring>{L"bees"}, childLabels(item(L"american_mosaic")));
    EXPECT_EQ(std::vector<std::wstring>{L"moon"}, childLabels(item(L"science_in_the_news")));
}

TEST_F(VoaManagerDialogTest, TheTreeMenuOffersItsCommandsAndRemovesItems) {
    openDialog();
    drop({science, science2});
    menuSeen.clear();
    ::SetCursorPos(0, 0);
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 150, readAndDismissMenu);
    // The right click travels from the tree view through the side pane to the dialog.
    NMHDR click{treeView(), 0, static_cast<UINT>(NM_RCLICK)};
    ::SendMessageW(tree().m_hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
    ::KillTimer(nullptr, timer);
    // Without an item under the cursor, only the publishing commands are offered.
    EXPECT_EQ((std::vector<std::wstring>{L"CreateHTML", L"CreateOrderedHTML", L"-Remove", L"", L"-OpenFolder"}),
              menuSeen);
    NMHDR other{tree().m_hWnd, 0, static_cast<UINT>(NM_DBLCLK)};
    EXPECT_TRUE(dialog->onNotify(0, reinterpret_cast<LPARAM>(&other)));
    other.code = static_cast<UINT>(NM_CLICK);
    EXPECT_FALSE(dialog->onNotify(0, reinterpret_cast<LPARAM>(&other)));

    dialog->runMenuCommand(VoaManagerDialog::kRemove, item(L"sleep"));
    EXPECT_EQ(nullptr, item(L"sleep"));
    // The category and its one lesson are left in the document.
    EXPECT_EQ(2u, tree().getParser().getElementsByTagName(L"TreeItem").size());

    // Publishing replaces the text area's content (the lists themselves are checked in a browser).
    dialog->getTextArea().setText(L"old");
    dialog->runMenuCommand(VoaManagerDialog::kCreateHtml, nullptr);
    EXPECT_EQ(0u, dialog->getTextArea().getTextCopy().find(L"<div class=\"voa\">\r\n<div class=\"category\">"));
}
