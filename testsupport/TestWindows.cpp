#include "testsupport/TestWindows.h"

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

TempDirectory::~TempDirectory() {
    if (mPath.empty()) return;
    // SHFileOperation wants a double-terminated list.
    std::wstring from = mPath + L'\0';
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    ::SHFileOperationW(&op);
}
