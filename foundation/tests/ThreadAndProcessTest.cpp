#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>

#include "foundation/system/CommandLine.h"
#include "foundation/system/ModulePath.h"
#include "foundation/system/Thread.h"
#include "testsupport/TestWindows.h"

namespace {

class CountingWorker : public Thread {
public:
    ~CountingWorker() override { stop(); }
    unsigned int run() override {
        while (!isStopped()) {
            ++rounds;
            ::Sleep(1);
        }
        return 7;
    }
    std::atomic<int> rounds{0};
};

class StubbornWorker : public Thread {
public:
    ~StubbornWorker() override { stop(); }
    unsigned int run() override {
        started = true;
        for (;;) ::Sleep(50);  // never looks at the stop flag
    }
    std::atomic<bool> started{false};
};

int gTicks = 0;
void CALLBACK countTick(HWND, UINT, UINT_PTR, DWORD) { ++gTicks; }

std::wstring talker() { return L"\"" + getModuleDirectory() + L"PipeTalker.exe\""; }

}  // namespace

TEST(Thread, StoppingAThreadThatNeverStartedOnlySetsTheFlag) {
    CountingWorker worker;
    EXPECT_TRUE(worker.isStopped());
    worker.stop();
    EXPECT_TRUE(worker.isStopped());
    EXPECT_FALSE(worker.isRunning());
}

TEST(Thread, AWorkerThatWatchesTheFlagEndsOnStop) {
    CountingWorker worker;
    worker.start();
    EXPECT_FALSE(worker.isStopped());
    ASSERT_TRUE(pumpUntil([&] { return worker.rounds > 3; }));
    EXPECT_TRUE(worker.isRunning());
    worker.stop();
    EXPECT_TRUE(worker.isStopped());
    EXPECT_FALSE(worker.isRunning());

    // It can be started again.
    int before = worker.rounds;
    worker.start();
    ASSERT_TRUE(pumpUntil([&] { return worker.rounds > before + 3; }));
}

TEST(Thread, AWorkerThatIgnoresTheFlagIsTerminatedWhileTheUiKeepsRunning) {
    StubbornWorker worker;
    worker.start();
    ASSERT_TRUE(pumpUntil([&] { return worker.started.load(); }));

    // A timer of this thread must keep firing while stop() waits.
    gTicks = 0;
    UINT_PTR timer = ::SetTimer(nullptr, 0, 100, countTick);
    const DWORD start = ::timeGetTime();
    worker.stop();
    const DWORD elapsed = ::timeGetTime() - start;
    ::KillTimer(nullptr, timer);

    EXPECT_GE(elapsed, 10000u);
    EXPECT_LT(elapsed, 13000u);
    EXPECT_FALSE(worker.isRunning());
    EXPECT_GT(gTicks, 50);
}

TEST(CommandLine, CollectsAMegabyteOfOutputAndTheErrorTextWithoutBlocking) {
    CommandLine command;
    ASSERT_TRUE(command.execute(talker() + L" 1048576 \"progress 50%\" 3"));
    std::wstring errors;
    const DWORD start = ::GetTickCount();
    while (true) {
        command.waitFor(0);
        errors += command.readStdErr();
        if (command.getExitCode() != STILL_ACTIVE) break;
        ASSERT_LT(::GetTickCount() - start, 20000u) << "the child blocked";
        ::Sleep(1);
    }
    errors += command.readStdErr();
    EXPECT_EQ(errors, L"progress 50%");
    EXPECT_EQ(command.getExitCode(), 3u);
    command.flush();
    command.closeHandles();
    EXPECT_EQ(command.getExitCode(), CommandLine::kUnknownExitCode);
}

TEST(CommandLine, ReadingWithNothingWaitingAnswersAtOnce) {
    CommandLine command;
    ASSERT_TRUE(command.execute(talker() + L" 0 \"\" 0 500"));
    const DWORD start = ::GetTickCount();
    EXPECT_EQ(command.readStdErr(), L"");
    EXPECT_LT(::GetTickCount() - start, 200u);
    EXPECT_EQ(command.waitFor(5000), WAIT_OBJECT_0);
}

TEST(CommandLine, AProgramThatCannotStartIsReported) {
    takeShownMessages();
    CommandLine command;
    EXPECT_FALSE(command.execute(L"Z:\\no\\such\\program.exe --flag"));
    auto shown = takeShownMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, L"Z:\\no\\such\\program.exe --flag\nFailed:CreateProcess()");
    EXPECT_EQ(shown[0].caption, L"Ostrelle");
    EXPECT_EQ(command.waitFor(0), 0u);
    EXPECT_EQ(command.getExitCode(), CommandLine::kUnknownExitCode);
}

TEST(CommandLine, DeletesTheFileOfTheRunAndItsExtensionlessTwin) {
    TempDirectory dir;
    const std::wstring script = dir.file(L"job.bat");
    const std::wstring twin = dir.file(L"job");
    std::ofstream(script.c_str()) << "x";
    std::ofstream(twin.c_str()) << "y";
    {
        CommandLine command;
        command.setFileToDelete(script);
    }
    EXPECT_EQ(::GetFileAttributesW(script.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(::GetFileAttributesW(twin.c_str()), INVALID_FILE_ATTRIBUTES);
}
