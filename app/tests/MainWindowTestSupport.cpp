#include "app/tests/MainWindowTestSupport.h"

#include <commctrl.h>

#include "player/audio/BassSystem.h"
#include "player/tests/AudioTestSupport.h"
#include "player/tests/Id3TestSupport.h"

MainWindowFrame::MainWindowFrame(const std::wstring& iniPath) {
    main.setIniPath(iniPath);
    registerClass(L"MainWindowTestFrame", nullptr, 0);
    create();
}

MainWindowFrame::~MainWindowFrame() {
    main.destroy();
    destroy();
}

bool MainWindowFrame::onCreate() {
    main.createWithDefaultBounds(m_hWnd);
    return true;
}

LRESULT MainWindowFrame::onSize(WPARAM, LPARAM lParam) {
    if (main.m_hWnd) main.setBounds(0, 0, LOWORD(lParam), HIWORD(lParam));
    return 0;
}

bool MainWindowFrame::onClose() {
    ::SendMessageW(main.m_hWnd, WM_CLOSE, 0, 0);
    if (main.m_hWnd) return false;
    destroy();
    return true;
}

void MainWindowFrame::setClientSize(int width, int height) {
    RECT r{0, 0, width, height};
    ::AdjustWindowRectEx(&r, static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_EXSTYLE)));
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOMOVE);
    pumpMessages();
}

namespace {

std::string toneBytes() { return readFileBytes(audioFixture(L"tone440-3s.mp3")); }

std::wstring writeTagged(const std::wstring& path, const std::string& frames) {
    id3test::writeBytes(path, id3test::tagBytes(3, 0, frames) + toneBytes());
    return path;
}

}  // namespace

std::wstring writeMp3WithSylt(const std::wstring& path, const std::vector<std::pair<std::string, uint32_t>>& lines) {
    std::string payload = id3test::bytes({0}) + "eng" + id3test::bytes({2, 1, 0});
    for (const auto& line : lines) payload += line.first + std::string(1, '\0') + id3test::bigEndian(line.second);
    return writeTagged(path, id3test::frame(3, "SYLT", payload));
}

std::wstring writeMp3WithUslt(const std::wstring& path, const std::string& text) {
    const std::string payload = id3test::bytes({0}) + "eng" + std::string(1, '\0') + text;
    return writeTagged(path, id3test::frame(3, "USLT", payload));
}

std::wstring writePlainMp3(const std::wstring& path) {
    id3test::writeBytes(path, toneBytes());
    return path;
}

void writeSentenceList(const std::wstring& path, const std::wstring& audio, const std::vector<ListedSentence>& groups) {
    std::wstring text = L"\uFEFF<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<SentenceList audio=\"" + audio + L"\">\r\n";
    for (const ListedSentence& group : groups) {
        text += L"\t<SentenceGroup startTime='" + group.start + L"' endTime='" + group.end + L"'>\r\n";
        text += L"\t\t<sentence><![CDATA[" + group.sentence + L"]]></sentence>\r\n";
        text += L"\t\t<translation><![CDATA[" + group.translation + L"]]></translation>\r\n";
        text += L"\t</SentenceGroup>\r\n";
    }
    text += L"</SentenceList>";
    id3test::writeBytes(path, id3test::utf16le(text));
}

int shownSentence(Corvanta& window) {
    LyricsTextEditor& view = window.getSentenceView();
    const TextRange selected = view.getSelection();
    for (int i = 0; i < view.getSentenceCount(); ++i) {
        if (static_cast<int>(view.getPosition(i)) == selected.start) return i;
    }
    return -1;
}

void MainWindowTest::SetUp() {
    // As the program's entry point does: the tool bar and its tooltips are common controls.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&controls);
    installRecordingMessageSink();
    setMessageBoxAnswer(IDNO);
    takeShownMessages();
    frame = new MainWindowFrame(dir.file(L"settings.ini"));
    main = &frame->main;
    ASSERT_NE(main->m_hWnd, nullptr);
    // The window initialised the player when it was created: this only answers whether it could.
    ASSERT_TRUE(main->getPlayer().initialize()) << "no output device: run through tools/run-tests.sh";
    ::ShowWindow(frame->m_hWnd, SW_SHOWNOACTIVATE);
    frame->setClientSize(800, 600);
}

void MainWindowTest::TearDown() {
    setMessageBoxAnswer(IDNO);
    delete frame;
    frame = nullptr;
    BassSystem::getInstance().unload();
    setMessageBoxAnswer(IDOK);
    takeShownMessages();
}

void MainWindowTest::pumpFor(int milliseconds, const std::function<void()>& probe) {
    const DWORD until = ::GetTickCount() + static_cast<DWORD>(milliseconds);
    while (static_cast<LONG>(until - ::GetTickCount()) > 0) {
        pumpMessages();
        if (probe) probe();
        ::Sleep(5);
    }
}
