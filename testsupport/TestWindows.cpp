#include "testsupport/TestWindows.h"

#include <cstdlib>

#include <shellapi.h>

namespace {

std::vector<MessageBoxRequest>& shownMessages() {
    static std::vector<MessageBoxRequest> shown;
    return shown;
}

int& messageBoxAnswer() {
    static int answer = IDOK;
    return answer;
}

}  // namespace

void installRecordingMessageSink() {
    setMessageSink([](const MessageBoxRequest& request) {
        shownMessages().push_back(request);
        return messageBoxAnswer();
    });
}

std::vector<MessageBoxRequest> takeShownMessages() {
    std::vector<MessageBoxRequest> shown;
    shown.swap(shownMessages());
    return shown;
}

void setMessageBoxAnswer(int answer) { messageBoxAnswer() = answer; }

void pumpMessages() {
    MSG msg{};
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

bool pumpUntil(const std::function<bool()>& condition, int timeoutMs) {
    const DWORD start = ::GetTickCount();
    while (!condition()) {
        if (static_cast<int>(::GetTickCount() - start) > timeoutMs) return false;
        pumpMessages();
        ::Sleep(1);
    }
    return true;
}

void holdForLooking(const char* variable, int defaultMs) {
    const char* value = std::getenv(variable);
    pumpUntil([] { return false; }, value ? std::atoi(value) : defaultMs);
}

TempDirectory::TempDirectory() {
    wchar_t base[MAX_PATH + 1] = {};
    ::GetTempPathW(MAX_PATH, base);
    static int counter = 0;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::wstring candidate = std::wstring(base) + L"corvanta-test-" + std::to_wstring(::GetCurrentProcessId()) +
                                 L"-" + std::to_wstring(++counter);
        if (::CreateDirectoryW(candidate.c_str(), nullptr)) {
            mPath = candidate;
            return;
        }
    }
}

namespace {

// Deletes a folder and everything below it. Paths go through the "\\?\" form so that
// folders deeper than 260 characters are removed too; the shell's recursive delete
// mishandles those under Wine and has wiped the wrong folder.
void removeTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
                removeTree(path);
            } else {
                ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileW(path.c_str());
            }
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryW(folder.c_str());
}

}  // namespace

TempDirectory::~TempDirectory() {
    if (mPath.empty()) return;
    removeTree(L"\\\\?\\" + mPath);
}
