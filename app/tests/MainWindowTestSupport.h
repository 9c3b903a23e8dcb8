// The main window in a frame of the tests' own, with the sentence files written by a
// recorder, and MP3 files with lyrics frames made at test time from the tone fixture.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/mainwindow/Corvanta.h"
#include "testsupport/TestWindows.h"
#include "toolkit/window/BaseWindow.h"

// Counts the writes of the sentence list; answers writeResult instead of writing unless
// told to write.
class RecordingMainWindow : public Corvanta {
public:
    bool writeXmlLyrics() override {
        ++writes;
        return reallyWrite ? Corvanta::writeXmlLyrics() : writeResult;
    }
    int writes = 0;
    bool writeResult = true;
    bool reallyWrite = false;
};

// A top-level frame that keeps the main window filling its client area.
class MainWindowFrame : public BaseWindow {
public:
    // The main window keeps its settings in the file given.
    explicit MainWindowFrame(const std::wstring& iniPath);
    ~MainWindowFrame() override;
    bool onCreate() override;
    LRESULT onSize(WPARAM wParam, LPARAM lParam) override;
    bool onClose() override;
    // Sets the frame's outer size so that its client area is width x height.
    void setClientSize(int width, int height);

    RecordingMainWindow main;
};

// Timed lines as a Latin-1 SYLT frame, or a text as a USLT frame, in an ID3v2.3 tag in
// front of the 3-second tone MP3.
std::wstring writeMp3WithSylt(const std::wstring& path, const std::vector<std::pair<std::string, uint32_t>>& lines);
std::wstring writeMp3WithUslt(const std::wstring& path, const std::string& text);
std::wstring writePlainMp3(const std::wstring& path);
// A sentence list as the player writes it: UTF-16 with a byte-order mark, groups of
// start, end, sentence and translation.
struct ListedSentence {
    std::wstring start;
    std::wstring end;
    std::wstring sentence;
    std::wstring translation;
};
void writeSentenceList(const std::wstring& path, const std::wstring& audio, const std::vector<ListedSentence>& groups);

// The sentence the sentence view has selected (-1 when its selection starts no sentence).
int shownSentence(Corvanta& window);

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Pumps for the given time, calling the probe after each round.
    void pumpFor(int milliseconds, const std::function<void()>& probe = nullptr);

    TempDirectory dir;
    MainWindowFrame* frame = nullptr;
    RecordingMainWindow* main = nullptr;
};
