#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "foundation/system/FileDialogs.h"
#include "foundation/tests/EncodingTestSupport.h"
#include "testsupport/TestWindows.h"

namespace {

BOOL CALLBACK findVisibleDialog(HWND window, LPARAM found) {
    wchar_t name[32] = {};
    ::GetClassNameW(window, name, 32);
    if (std::wstring(name) != L"#32770" || !::IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// Presses a button of the next dialog box that the thread opens, from another thread.
class DialogPresser {
public:
    DialogPresser(DWORD threadId, int button) {
        mWorker = std::thread([this, threadId, button] {
            for (int tries = 0; tries < 500 && !mDone; ++tries) {
                HWND dialog = nullptr;
                ::EnumThreadWindows(threadId, findVisibleDialog, reinterpret_cast<LPARAM>(&dialog));
                if (dialog != nullptr) {
                    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
                    return;
                }
                ::Sleep(20);
            }
        });
    }
    ~DialogPresser() {
        mDone = true;
        mWorker.join();
    }

private:
    std::atomic<bool> mDone{false};
    std::thread mWorker;
};

std::wstring currentFolder() {
    wchar_t buffer[MAX_PATH + 1] = {};
    ::GetCurrentDirectoryW(MAX_PATH, buffer);
    return buffer;
}

}  // namespace

TEST(FileDialogs, OpenAnswersThePresetFileAndKeepsTheCurrentFolder) {
    TempDirectory dir;
    std::wstring path = dir.file(L"song.mp3");
    writeBytes(path, "x");
    std::wstring before = currentFolder();
    DialogPresser presser(::GetCurrentThreadId(), IDOK);
    EXPECT_EQ(showOpenFileDialog(nullptr, L"Audio|*.mp3;*.ogg", path), path);
    EXPECT_EQ(currentFolder(), before);
}

TEST(FileDialogs, CancelAnswersEmpty) {
    DialogPresser presser(::GetCurrentThreadId(), IDCANCEL);
    EXPECT_EQ(showSaveFileDialog(nullptr, L"Save", L"Text", L"notes.txt", L"txt"), L"");
}
