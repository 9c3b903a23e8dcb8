#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "testsupport/TestWindows.h"
#include "toolkit/dnd/DataObject.h"
#include "toolkit/dnd/DropSource.h"
#include "toolkit/dnd/DropTarget.h"
#include "toolkit/window/BaseWindow.h"

namespace {

// A CF_HDROP block of wide paths, as the shell builds it.
HGLOBAL makeDropBlock(const std::vector<std::wstring>& paths) {
    std::wstring list;
    for (const auto& path : paths) list += path + L'\0';
    list += L'\0';
    const size_t size = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
    HGLOBAL block = ::GlobalAlloc(GHND, size);
    auto* header = static_cast<DROPFILES*>(::GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
    ::GlobalUnlock(block);
    return block;
}

// Counts Release calls, standing in for the owner that a medium is released through.
class ReleaseCounter : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override {
        ++releases;
        return 1;
    }
    int releases = 0;
};

// A data object offering files (and optionally text); the medium's owner counts releases.
class FileData : public DataObject {
public:
    explicit FileData(std::vector<std::wstring> paths) : mPaths(std::move(paths)) {}

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        ++getDataCalls;
        if (format->cfFormat != CF_HDROP) return DataObject::GetData(format, medium);
        if (failGetData) return E_FAIL;
        mBlocks.push_back(makeDropBlock(mPaths));
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = mBlocks.back();
        medium->pUnkForRelease = &owner;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        if (format->cfFormat == CF_HDROP) return hdropAnswer;
        return DataObject::QueryGetData(format);
    }

    ReleaseCounter owner;
    int getDataCalls = 0;
    bool failGetData = false;
    HRESULT hdropAnswer = S_OK;

protected:
    ~FileData() override {
        for (HGLOBAL block : mBlocks) ::GlobalFree(block);
    }

private:
    std::vector<std::wstring> mPaths;
    std::vector<HGLOBAL> mBlocks;
};

// A drop target that records every hook call.
class RecordingTarget : public DropTarget {
public:
    HRESULT onDrop(int x, int y, IDataObject* data, DWORD* effect) override {
        ++drops;
        dropEffect = *effect;
        FORMATETC format{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        STGMEDIUM medium{};
        if (data && SUCCEEDED(data->GetData(&format, &medium))) {
            droppedText = static_cast<const wchar_t*>(::GlobalLock(medium.hGlobal));
            ::GlobalUnlock(medium.hGlobal);
            ::ReleaseStgMedium(&medium);
        }
        return S_OK;
    }
    void onDragEnter() override { ++enters; }
    void onDragLeave() override { ++leaves; }
    void onDragOver(DWORD, int x, int y, DWORD* effect) override {
        ++overs;
        overPoint = POINT{x, y};
        if (overrideEffect) *effect = DROPEFFECT_COPY;
    }
    bool onDropFiles(const std::vector<std::wstring>& paths) override {
        droppedFiles.push_back(paths);
        return acceptFiles;
    }

    int drops = 0;
    int enters = 0;
    int leaves = 0;
    int overs = 0;
    POINT overPoint{};
    bool overrideEffect = false;
    bool acceptFiles = true;
    DWORD dropEffect = 0xFFFF;
    std::wstring droppedText;
    std::vector<std::vector<std::wstring>> droppedFiles;
};

// A window that is its own drop target; one onDropFiles override serves the window's
// WM_DROPFILES and the OLE drop alike.
class DropWindow : public BaseWindow, public RecordingTarget {
public:
    DropWindow() { registerClass(L"DropWindowTest", nullptr, 0); }
    bool onDropFiles(const std::vector<std::wstring>& paths) override { return RecordingTarget::onDropFiles(paths); }
    using BaseWindow::onDropFiles;

    bool open() {
        if (!create()) return false;
        ::SetWindowPos(m_hWnd, HWND_TOP, 100, 100, 300, 200, SWP_SHOWWINDOW);
        ::UpdateWindow(m_hWnd);
        registerDropTarget(m_hWnd);
        return true;
    }
    void putCursorInside() {
        RECT r{};
        ::GetWindowRect(m_hWnd, &r);
        ::SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
};

std::wstring longPath(wchar_t letter) { return L"C:\\" + std::wstring(300, letter) + L".mp3"; }

}  // namespace

TEST(DropTarget, TextOverAFilesOnlyTargetIsRefusedWithoutCallingTheOwner) {
    RecordingTarget target;
    target.addFormat(CF_HDROP);
    auto* text = new DataObject;
    text->setText(L"words");
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(target.DragEnter(text, 0, POINTL{5, 5}, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    effect = DROPEFFECT_COPY;
    target.DragOver(0, POINTL{6, 6}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    target.DragLeave();
    effect = DROPEFFECT_COPY;
    EXPECT_EQ(target.Drop(text, 0, POINTL{6, 6}, &effect), S_OK);
    EXPECT_EQ(target.enters + target.overs + target.leaves + target.drops, 0);
    EXPECT_TRUE(target.droppedFiles.empty());
    text->Release();
}

TEST(DropTarget, OnlyAnOkAnswerCountsAsOffered) {
    RecordingTarget target;
    target.addFormat(CF_HDROP);
    EXPECT_TRUE(target.acceptsFormat(CF_HDROP));
    EXPECT_FALSE(target.acceptsFormat(CF_TEXT));
    auto* files = new FileData({L"C:\\a.mp3"});
    for (HRESULT answer : {S_FALSE, DV_E_FORMATETC}) {
        files->hdropAnswer = answer;
        DWORD effect = DROPEFFECT_LINK;
        target.DragEnter(files, 0, POINTL{0, 0}, &effect);
        EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    }
    EXPECT_EQ(target.enters, 0);
    files->Release();
}

TEST(DropTarget, FileDragIsLinkedAndTheOwnerMayChangeTheEffectWhileOver) {
    RecordingTarget target;
    target.addFormat(CF_HDROP);
    auto* files = new FileData({L"C:\\a.mp3"});
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    target.DragEnter(files, 0, POINTL{10, 20}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_LINK));
    EXPECT_EQ(target.enters, 1);

    effect = DROPEFFECT_NONE;
    target.DragOver(0, POINTL{30, 40}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY | DROPEFFECT_LINK));
    EXPECT_EQ(target.overPoint.x, 30);
    EXPECT_EQ(target.overPoint.y, 40);
    target.overrideEffect = true;
    target.DragOver(0, POINTL{30, 40}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));

    target.DragLeave();
    EXPECT_EQ(target.leaves, 1);
    files->Release();
}

TEST(DropTarget, DroppedFilesArriveOnceInOrderAtFullLengthAndTheMediumIsReleased) {
    RecordingTarget target;
    target.addFormat(CF_HDROP);
    const std::vector<std::wstring> paths = {L"C:\\b.mp3", longPath(L'x'), L"C:\\a.ogg"};
    auto* files = new FileData(paths);
    DWORD effect = DROPEFFECT_LINK;
    target.DragEnter(files, 0, POINTL{0, 0}, &effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
    EXPECT_EQ(target.Drop(files, MK_CONTROL, POINTL{0, 0}, &effect), S_OK);
    ASSERT_EQ(target.droppedFiles.size(), 1u);
    EXPECT_EQ(target.droppedFiles[0], paths);
    // Ctrl makes it a copy first; the file branch then links.
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_LINK));
    EXPECT_EQ(files->owner.releases, 1);
    EXPECT_EQ(target.drops, 0);
    files->Release();
}

TEST(DropTarget, RefusedOrUnreadableFilesFallBackToOnDrop) {
    RecordingTarget target;
    target.addFormat(CF_HDROP);
    auto* files = new FileData({L"C:\\a.mp3"});

    target.acceptFiles = false;
    DWORD effect = DROPEFFECT_LINK;
    target.DragEnter(files, 0, POINTL{0, 0}, &effect);
    target.Drop(files, 0, POINTL{0, 0}, &effect);
    EXPECT_EQ(target.droppedFiles.size(), 1u);
    EXPECT_EQ(target.drops, 1);
    EXPECT_EQ(target.dropEffect, static_cast<DWORD>(DROPEFFECT_LINK));

    // A data object that offers files but then fails to hand them over.
    target.acceptFiles = true;
    files->failGetData = true;
    target.DragEnter(files, 0, POINTL{0, 0}, &effect);
    EXPECT_EQ(target.Drop(files, 0, POINTL{0, 0}, &effect), S_OK);
    EXPECT_EQ(target.droppedFiles.size(), 1u);
    EXPECT_EQ(target.drops, 2);
    files->Release();
}

TEST(DropTarget, CtrlAtATextDropMakesItACopy) {
    RecordingTarget target;
    target.addFormat(CF_UNICODETEXT);
    auto* text = new DataObject;
    text->setText(L"hello");
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target.DragEnter(text, 0, POINTL{0, 0}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY | DROPEFFECT_MOVE));
    effect = DROPEFFECT_MOVE | DROPEFFECT_COPY;
    target.Drop(text, MK_CONTROL, POINTL{0, 0}, &effect);
    EXPECT_EQ(target.dropEffect, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(target.droppedText, L"hello");
    // The accepts flag went with the drop: a second drop without a new enter does nothing.
    target.Drop(text, 0, POINTL{0, 0}, &effect);
    EXPECT_EQ(target.drops, 1);
    text->Release();
}

TEST(DropTarget, ReferenceCountNeverDeletesAndAnswersItsInterfaces) {
    RecordingTarget target;
    EXPECT_EQ(target.AddRef(), 1u);
    void* object = nullptr;
    EXPECT_EQ(target.QueryInterface(IID_IDropTarget, &object), S_OK);
    EXPECT_EQ(object, static_cast<IDropTarget*>(&target));
    EXPECT_EQ(target.QueryInterface(IID_IDataObject, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(target.Release(), 1u);
    EXPECT_EQ(target.Release(), 0u);
}

TEST(DataObject, HandsOutEachTextOnlyWhenNotEmpty) {
    auto* data = new DataObject;
    FORMATETC wide{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    FORMATETC narrow{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    FORMATETC other{CF_BITMAP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    EXPECT_EQ(data->QueryGetData(&wide), S_FALSE);
    EXPECT_EQ(data->GetData(&wide, &medium), E_FAIL);

    data->setText(L"\x65e5\x672c text");
    data->setTextA("narrow");
    EXPECT_EQ(data->QueryGetData(&wide), S_OK);
    EXPECT_EQ(data->QueryGetData(&narrow), S_OK);
    EXPECT_EQ(data->QueryGetData(&other), S_FALSE);
    EXPECT_EQ(data->GetData(&other, &medium), E_FAIL);

    ASSERT_EQ(data->GetData(&wide, &medium), S_OK);
    EXPECT_EQ(medium.tymed, static_cast<DWORD>(TYMED_HGLOBAL));
    EXPECT_EQ(medium.pUnkForRelease, nullptr);
    EXPECT_EQ(::GlobalSize(medium.hGlobal), (std::wcslen(L"\x65e5\x672c text") + 1) * sizeof(wchar_t));
    EXPECT_STREQ(static_cast<const wchar_t*>(::GlobalLock(medium.hGlobal)), L"\x65e5\x672c text");
    ::GlobalUnlock(medium.hGlobal);
    ::ReleaseStgMedium(&medium);

    ASSERT_EQ(data->GetData(&narrow, &medium), S_OK);
    EXPECT_STREQ(static_cast<const char*>(::GlobalLock(medium.hGlobal)), "narrow");
    ::GlobalUnlock(medium.hGlobal);
    ::ReleaseStgMedium(&medium);

    IEnumFORMATETC* enumerator = nullptr;
    EXPECT_EQ(data->EnumFormatEtc(DATADIR_GET, &enumerator), E_NOTIMPL);
    void* part = nullptr;
    ASSERT_EQ(data->QueryInterface(IID_IEnumFORMATETC, &part), S_OK);
    EXPECT_EQ(static_cast<IEnumFORMATETC*>(part)->Reset(), E_NOTIMPL);
    static_cast<IEnumFORMATETC*>(part)->Release();
    EXPECT_EQ(data->Release(), 0u);
}

TEST(DropSource, EscapeOrBothButtonsCancelAndReleasingDrops) {
    auto* source = new DropSource;
    EXPECT_EQ(source->QueryContinueDrag(TRUE, MK_LBUTTON), DRAGDROP_S_CANCEL);
    EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_LBUTTON | MK_RBUTTON), DRAGDROP_S_CANCEL);
    EXPECT_EQ(source->QueryContinueDrag(FALSE, 0), DRAGDROP_S_DROP);
    EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_CONTROL), DRAGDROP_S_DROP);
    EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_LBUTTON), S_OK);
    EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_RBUTTON | MK_SHIFT), S_OK);
    EXPECT_EQ(source->GiveFeedback(DROPEFFECT_COPY), DRAGDROP_S_USEDEFAULTCURSORS);
    void* notify = nullptr;
    ASSERT_EQ(source->QueryInterface(IID_IDropSourceNotify, &notify), S_OK);
    EXPECT_EQ(static_cast<IDropSourceNotify*>(notify)->DragEnterTarget(nullptr), S_OK);
    static_cast<IDropSourceNotify*>(notify)->Release();
    EXPECT_EQ(source->Release(), 0u);
}

class OleDrag : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.open());
        window.addFormat(CF_HDROP);
        window.addFormat(CF_UNICODETEXT);
        pumpMessages();
        window.putCursorInside();
    }
    void TearDown() override {
        window.revoke();
        window.destroy();
    }

    HRESULT drag(IDataObject* data, DWORD allowed, DWORD* effect) {
        auto* source = new DropSource;
        HRESULT result = ::DoDragDrop(data, source, allowed, effect);
        source->Release();
        return result;
    }

    DropWindow window;
};

TEST_F(OleDrag, TextDraggedWithTheButtonUpIsDroppedOnTheWindow) {
    auto* text = new DataObject;
    text->setText(L"dragged text");
    text->setTextA("dragged text");
    DWORD effect = DROPEFFECT_NONE;
    EXPECT_EQ(drag(text, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect), DRAGDROP_S_DROP);
    EXPECT_EQ(text->Release(), 0u);
    EXPECT_EQ(window.enters, 1);
    EXPECT_EQ(window.drops, 1);
    EXPECT_EQ(window.droppedText, L"dragged text");
}

TEST_F(OleDrag, FilesDroppedThroughOleArriveInOrder) {
    const std::vector<std::wstring> paths = {L"C:\\music\\2.mp3", L"C:\\music\\1.mp3", longPath(L'q')};
    auto* files = new FileData(paths);
    DWORD effect = DROPEFFECT_NONE;
    EXPECT_EQ(drag(files, DROPEFFECT_COPY | DROPEFFECT_LINK, &effect), DRAGDROP_S_DROP);
    ASSERT_EQ(window.droppedFiles.size(), 1u);
    EXPECT_EQ(window.droppedFiles[0], paths);
    EXPECT_EQ(files->owner.releases, 1);
    files->Release();
}

TEST_F(OleDrag, EscapeEndsTheDragWithoutADrop) {
    auto* text = new DataObject;
    text->setText(L"never dropped");
    ::PostMessageW(window.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    DWORD effect = DROPEFFECT_NONE;
    EXPECT_EQ(drag(text, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect), DRAGDROP_S_CANCEL);
    text->Release();
    EXPECT_EQ(window.drops, 0);
    EXPECT_TRUE(window.droppedText.empty());
}

TEST_F(OleDrag, ShellFileDropMessageReachesTheSameHookInOrder) {
    const std::vector<std::wstring> paths = {L"C:\\z.m3u", longPath(L'k'), L"C:\\a.wma"};
    ::SendMessageW(window.m_hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(makeDropBlock(paths)), 0);
    ASSERT_EQ(window.droppedFiles.size(), 1u);
    EXPECT_EQ(window.droppedFiles[0], paths);
}

TEST_F(OleDrag, RevokedWindowTakesNoDrops) {
    window.revoke();
    EXPECT_EQ(window.getRegisteredWindow(), nullptr);
    auto* text = new DataObject;
    text->setText(L"nobody listens");
    DWORD effect = DROPEFFECT_NONE;
    drag(text, DROPEFFECT_COPY, &effect);
    text->Release();
    EXPECT_EQ(window.enters, 0);
    EXPECT_EQ(window.drops, 0);
}
