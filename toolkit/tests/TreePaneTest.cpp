#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>

#include "foundation/xml/Element.h"
#include "testsupport/TestWindows.h"
#include "toolkit/tests/TestFrames.h"
#include "toolkit/widgets/BaseTreePane.h"
#include "toolkit/widgets/XmlTreePane.h"
#include "toolkit/window/Dialog.h"

namespace {

class DropRecorder : public TreeViewListener {
public:
    void onTreeItemDropped(HTREEITEM dragged, HTREEITEM target) override {
        ++calls;
        lastTarget = target;
        (void)dragged;
    }
    int calls = 0;
    HTREEITEM lastTarget = nullptr;
};

NMTREEVIEWW dragStart(HTREEITEM item) {
    NMTREEVIEWW info{};
    info.hdr.code = TVN_BEGINDRAGW;
    info.itemNew.hItem = item;
    return info;
}

std::vector<std::wstring> childPaths(const Element* element) {
    std::vector<std::wstring> paths;
    for (Element* child : element->getChildren()) {
        if (!child->isTextNode()) paths.push_back(child->getAttribute(L"path"));
    }
    return paths;
}

}  // namespace

class Tree : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.create());
        ASSERT_TRUE(tree.createWithDefaultBounds(frame.m_hWnd));
        tree.setBounds(0, 0, 300, 300);
        root = tree.addRootItem(L"Lessons");
        a = tree.insertItem(L"a", root, TVI_LAST, 0);
        a1 = tree.insertItem(L"a1", a, TVI_LAST, 0);
        b = tree.insertItem(L"b", root, TVI_LAST, 0);
        tree.setTreeViewListener(&recorder);
    }
    RecordingFrame frame;
    TreeView tree;
    DropRecorder recorder;
    HTREEITEM root = nullptr, a = nullptr, a1 = nullptr, b = nullptr;
};

TEST_F(Tree, FindsItemsDepthFirstAndReadsTheirTexts) {
    EXPECT_EQ(tree.getRootItem(), root);
    EXPECT_EQ(tree.getItemText(a1), L"a1");
    EXPECT_EQ(tree.getItemText(nullptr), L"");
    EXPECT_EQ(tree.findItemByText(root, L"a1"), a1);
    EXPECT_EQ(tree.findItemByText(root, L"b"), b);
    EXPECT_EQ(tree.findItemByText(a1, L"b"), nullptr);  // a1 has no followers of its own
    EXPECT_EQ(tree.findItemByText(root, L"none"), nullptr);
    EXPECT_EQ(tree.getParentItem(a1), a);
    EXPECT_EQ(tree.getNextItem(a), b);
    tree.deleteAllItems();
    EXPECT_EQ(tree.getRootItem(), nullptr);
}

TEST_F(Tree, AnItemCannotBeDroppedOnItselfOrItsDescendants) {
    tree.beginDrag(dragStart(a));
    EXPECT_TRUE(tree.isDragging());
    EXPECT_FALSE(tree.isValidDropTarget(a));
    EXPECT_FALSE(tree.isValidDropTarget(a1));
    EXPECT_FALSE(tree.isValidDropTarget(nullptr));
    EXPECT_TRUE(tree.isValidDropTarget(b));

    TreeView_SelectDropTarget(tree.m_hWnd, a1);
    tree.endDrag();
    EXPECT_EQ(recorder.calls, 0);
    EXPECT_FALSE(tree.isDragging());
}

TEST_F(Tree, AValidDropIsReportedOnce) {
    tree.beginDrag(dragStart(a1));
    TreeView_SelectDropTarget(tree.m_hWnd, b);
    tree.endDrag();
    EXPECT_EQ(recorder.calls, 1);
    EXPECT_EQ(recorder.lastTarget, b);
}

TEST_F(Tree, ReleasingOverEmptySpaceMovesNothing) {
    tree.beginDrag(dragStart(b));
    tree.onDragMove(250, 280);  // below every item: the dragged item itself is highlighted
    EXPECT_EQ(tree.getDropHighlight(), b);
    tree.endDrag();
    EXPECT_EQ(recorder.calls, 0);
}

class XmlTree : public ::testing::Test {
protected:
    void SetUp() override {
        folder = dir.file(L"audio");
        ::CreateDirectoryW(folder.c_str(), nullptr);
        song = dir.file(L"song.mp3");
        std::ofstream(song.c_str()) << "x";
        ASSERT_TRUE(frame.create());
        frame.setBounds(50, 50, 400, 400);
        frame.setVisible(true);
        ASSERT_TRUE(pane.create(frame.m_hWnd, 0, 0, 380, 360));
        ASSERT_TRUE(pane.getParser().parseString(L"<Files/>"));
        rootItem = pane.getTree().addRootItem(L"Files");
        pane.recordItem(rootItem, pane.getParser().getRootElement());
        takeShownMessages();
    }
    Element* rootElement() { return pane.getParser().getRootElement(); }

    TempDirectory dir;
    std::wstring folder;
    std::wstring song;
    RecordingFrame frame;
    XmlTreePane pane;
    HTREEITEM rootItem = nullptr;
};

TEST_F(XmlTree, ChildrenAndSiblingsGrowTheElementTree) {
    HTREEITEM audio = pane.addChild(rootItem, folder);
    ASSERT_NE(audio, nullptr);
    EXPECT_EQ(pane.getTree().getItemText(audio), L"audio");
    EXPECT_TRUE(pane.isDirectoryItem(audio));
    HTREEITEM first = pane.addChild(audio, song);
    HTREEITEM second = pane.addChild(audio, L"C:\\lessons\\two.xml");
    HTREEITEM middle = pane.addSibling(first, L"C:\\lessons\\one.mp3");
    ASSERT_NE(middle, nullptr);
    // The tree shows it right after the item; its element goes to the end of the chain.
    EXPECT_EQ(pane.getTree().getNextItem(first), middle);
    EXPECT_EQ(pane.getTree().getNextItem(middle), second);
    EXPECT_EQ(childPaths(pane.getElement(audio)),
              (std::vector<std::wstring>{song, L"C:\\lessons\\two.xml", L"C:\\lessons\\one.mp3"}));
    EXPECT_EQ(pane.getTree().getItemText(first), L"song");
    EXPECT_TRUE(pane.containsPath(song));
    EXPECT_EQ(pane.getElement(nullptr), nullptr);
}

TEST_F(XmlTree, ASiblingOfATopLevelItemGoesUnderTheRootWithAMessage) {
    HTREEITEM added = pane.addSibling(rootItem, song);
    auto shown = takeShownMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, L"Exception at addSibling: no parent");
    EXPECT_EQ(pane.getTree().getParentItem(added), rootItem);
}

TEST_F(XmlTree, RemovingAnItemTakesItsSubtreeAndElements) {
    HTREEITEM audio = pane.addChild(rootItem, folder);
    pane.addChild(audio, song);
    HTREEITEM kept = pane.addChild(rootItem, L"C:\\kept.mp3");
    EXPECT_FALSE(pane.removeItem(rootItem));
    EXPECT_TRUE(pane.removeItem(audio));
    EXPECT_FALSE(pane.containsPath(song));
    EXPECT_EQ(childPaths(rootElement()), std::vector<std::wstring>{L"C:\\kept.mp3"});
    EXPECT_EQ(pane.getTree().getChildItem(rootItem), kept);
}

TEST_F(XmlTree, DroppedFilesOnEmptySpaceGoUnderTheRootOnce) {
    ::SetCursorPos(0, 0);  // over no item
    pane.onDropFiles({folder, song});
    pane.onDropFiles({song});
    EXPECT_EQ(childPaths(rootElement()), (std::vector<std::wstring>{folder, song}));
}

TEST_F(XmlTree, AFileDraggedOntoAFileMovesBeforeIt) {
    // Existing files: a path the shell can't find gets the folder icon.
    std::vector<std::wstring> files;
    for (const wchar_t* name : {L"1.mp3", L"2.mp3", L"3.mp3"}) {
        files.push_back(dir.file(name));
        std::ofstream(files.back().c_str()) << "x";
    }
    HTREEITEM first = pane.addChild(rootItem, files[0]);
    pane.addChild(rootItem, files[1]);
    HTREEITEM third = pane.addChild(rootItem, files[2]);
    ASSERT_FALSE(pane.isDirectoryItem(first));
    pane.onTreeItemDropped(third, first);
    EXPECT_EQ(childPaths(rootElement()), (std::vector<std::wstring>{files[2], files[0], files[1]}));
    HTREEITEM top = pane.getTree().getChildItem(rootItem);
    EXPECT_EQ(pane.getTree().getItemText(top), L"3");
    EXPECT_EQ(pane.getElement(top)->getAttribute(L"path"), files[2]);
    EXPECT_EQ(TreeView_GetSelection(pane.getTree().m_hWnd), top);
}

TEST_F(XmlTree, AnItemDraggedOntoAFolderBecomesItsLastChildWithItsSubtree) {
    HTREEITEM audio = pane.addChild(rootItem, folder);
    HTREEITEM other = pane.addChild(rootItem, dir.file(L"other"));
    ::CreateDirectoryW(dir.file(L"other").c_str(), nullptr);
    HTREEITEM inner = pane.addChild(other, L"C:\\inner.mp3");
    (void)inner;
    pane.onTreeItemDropped(other, audio);
    EXPECT_EQ(childPaths(rootElement()), std::vector<std::wstring>{folder});
    HTREEITEM moved = pane.getTree().getChildItem(audio);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(pane.getTree().getItemText(moved), L"other");
    HTREEITEM movedInner = pane.getTree().getChildItem(moved);
    ASSERT_NE(movedInner, nullptr);
    EXPECT_EQ(pane.getElement(movedInner)->getAttribute(L"path"), L"C:\\inner.mp3");

    // Onto its own descendant: refused, nothing changes.
    pane.onTreeItemDropped(audio, movedInner);
    EXPECT_EQ(childPaths(rootElement()), std::vector<std::wstring>{folder});
}

TEST_F(XmlTree, AFolderWhosePathIsGoneStillCountsByItsIcon) {
    HTREEITEM audio = pane.addChild(rootItem, folder);
    ::RemoveDirectoryW(folder.c_str());
    pane.getTree().setItemImage(audio, 0, 0);
    EXPECT_TRUE(pane.isDirectoryItem(audio));
}

TEST_F(XmlTree, ACancelledLabelEditIsRefused) {
    NMTVDISPINFOW info{};
    info.hdr.hwndFrom = pane.getTree().m_hWnd;
    info.hdr.code = TVN_ENDLABELEDITW;
    info.item.pszText = nullptr;
    EXPECT_EQ(::SendMessageW(pane.m_hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info)), 0);
    wchar_t renamed[] = L"renamed";
    info.item.pszText = renamed;
    EXPECT_EQ(::SendMessageW(pane.m_hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info)), 1);
}

TEST_F(XmlTree, TheEditedTreeIsSavedAndReadBack) {
    HTREEITEM audio = pane.addChild(rootItem, folder);
    pane.addChild(audio, song);
    pane.addChild(rootItem, L"C:\\a & b.mp3");
    const std::wstring saved = dir.file(L"tree.xml");
    ASSERT_TRUE(pane.getParser().saveAs(saved));
    XMLParser again;
    ASSERT_TRUE(again.parseFile(saved));
    std::vector<Element*> items = again.getElementsByTagName(L"TreeItem");
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0]->getAttribute(L"path"), folder);
    EXPECT_EQ(items[1]->getAttribute(L"path"), song);
    EXPECT_EQ(items[2]->getAttribute(L"path"), L"C:\\a & b.mp3");
}

namespace {

// Work for a modal loop: a thread timer runs it from inside the loop.
std::map<UINT_PTR, std::function<void()>> scheduledWork;

void CALLBACK runScheduled(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    auto found = scheduledWork.find(id);
    if (found == scheduledWork.end()) return;
    std::function<void()> work = found->second;
    scheduledWork.erase(found);
    work();
}

void runSoon(const std::function<void()>& work) { scheduledWork[::SetTimer(nullptr, 0, 30, runScheduled)] = work; }

// A key press delivered through the dialog's own loop, which asks the focused control
// which keys it wants before it turns Enter and Escape into IDOK and IDCANCEL.
void postKey(HWND window, UINT key) {
    ::PostMessageW(window, WM_KEYDOWN, key, 1);
    ::PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

class TreeDialog : public Dialog {
public:
    bool createContents() override {
        setSize(420, 320);
        pane.create(m_hWnd, 0, 0, 400, 230);
        pane.getParser().parseString(L"<Files/>");
        root = pane.getTree().addRootItem(L"Files");
        pane.recordItem(root, pane.getParser().getRootElement());
        lesson = pane.addChild(root, L"C:\\lessons\\one.mp3");
        createButtons(kOkId | kCancelId);
        return true;
    }
    // Starts editing the lesson's label, types the text and presses the key.
    void editLesson(const wchar_t* text, UINT key) {
        HWND edit = reinterpret_cast<HWND>(
            ::SendMessageW(pane.getTree().m_hWnd, TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(lesson)));
        ::SetWindowTextW(edit, text);
        postKey(edit, key);
    }
    bool editing() const {
        return ::SendMessageW(const_cast<XmlTreePane&>(pane).getTree().m_hWnd, TVM_GETEDITCONTROL, 0, 0) != 0;
    }
    bool onOk() override {
        ++okCalls;
        return true;
    }

    XmlTreePane pane;
    HTREEITEM root = nullptr;
    HTREEITEM lesson = nullptr;
    int okCalls = 0;
};

}  // namespace

TEST(XmlTreeInADialog, EnterEndsALabelEditAndEscapeCancelsOneWithoutClosingTheDialog) {
    TreeDialog dialog;
    bool editingAfterEnter = true;
    bool editingAfterEscape = true;
    std::wstring labelAfterEnter;
    std::wstring labelAfterEscape;
    runSoon([&] {
        dialog.editLesson(L"renamed", VK_RETURN);
        runSoon([&] {
            editingAfterEnter = dialog.editing();
            labelAfterEnter = dialog.pane.getTree().getItemText(dialog.lesson);
            dialog.editLesson(L"other", VK_ESCAPE);
            runSoon([&] {
                editingAfterEscape = dialog.editing();
                labelAfterEscape = dialog.pane.getTree().getItemText(dialog.lesson);
                dialog.close(Dialog::kCancelId);
            });
        });
    });
    showModalDialog(nullptr, dialog);
    EXPECT_FALSE(editingAfterEnter);
    EXPECT_EQ(labelAfterEnter, L"renamed");
    EXPECT_FALSE(editingAfterEscape);
    EXPECT_EQ(labelAfterEscape, L"renamed");
    EXPECT_EQ(dialog.okCalls, 0);
    // The label is only the tree's text: the element keeps its path.
    EXPECT_EQ(dialog.pane.getElement(dialog.lesson)->getAttribute(L"path"), L"C:\\lessons\\one.mp3");
}

TEST(FileTitle, IsTheNameWithoutFolderAndExtension) {
    EXPECT_EQ(getFileTitle(L"C:\\dir\\lesson.one.mp3"), L"lesson.one");
    EXPECT_EQ(getFileTitle(L"dir/file"), L"file");
    EXPECT_EQ(getFileTitle(L"plain"), L"plain");
    EXPECT_EQ(getFileTitle(L""), L"");
}
