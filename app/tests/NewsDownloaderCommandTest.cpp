#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "player/settings/Settings.h"
#include "player/audio/BassSystem.h"
#include "app/tests/MainWindowTestSupport.h"

namespace {

struct FoundDialog {
    HWND dialog = nullptr;
};

BOOL CALLBACK findShownDialog(HWND window, LPARAM found) {
    wchar_t name[32] = {};
    ::GetClassNameW(window, name, 32);
    if (std::wstring(name) != L"#32770" || !::IsWindowVisible(window)) return TRUE;
    reinterpret_cast<FoundDialog*>(found)->dialog = window;
    return FALSE;
}

// Reads the date picker's text of the next dialog the thread shows, then closes it.
class DialogDateReader {
public:
    explicit DialogDateReader(DWORD threadId) {
        mWorker = std::thread([this, threadId] {
            for (int tries = 0; tries < 500; ++tries) {
                FoundDialog found;
                ::EnumThreadWindows(threadId, findShownDialog, reinterpret_cast<LPARAM>(&found));
                if (found.dialog != nullptr) {
                    HWND picker = ::FindWindowExW(found.dialog, nullptr, L"SysDateTimePick32", nullptr);
                    wchar_t text[64] = {};
                    if (picker) ::GetWindowTextW(picker, text, 64);
                    shownDate = text;
                    ::PostMessageW(found.dialog, WM_CLOSE, 0, 0);
                    return;
                }
                ::Sleep(20);
            }
        });
    }
    ~DialogDateReader() { mWorker.join(); }
    std::wstring shownDate;

private:
    std::thread mWorker;
};

}  // namespace

TEST(NewsDownloaderCommand, OpensTheDeEigoJutsuDialogOnTheStoredDate) {
    TempDirectory folder;
    writeIniString(L"NHK", L"Calendar", L"2021/12/31");
    std::wstring shown;
    {
        MainWindowFrame frame(folder.file(L"main.ini"));
        DialogDateReader reader(::GetCurrentThreadId());
        ::SendMessageW(frame.main.m_hWnd, WM_COMMAND, MAKEWPARAM(Corvanta::kNewsDeEigoJutsuCommand, 0), 0);
        shown = reader.shownDate;
    }
    // The main window freed the output device as it went: the next test's window loads
    // the audio libraries afresh.
    BassSystem::getInstance().unload();
    EXPECT_EQ(L"2021/12/31", shown);
    // Closing it stores nothing.
    EXPECT_EQ(L"2021/12/31", readIniString(L"NHK", L"Calendar", L""));
    writeIniString(L"NHK", L"Calendar", L"");
}
