// The main of every test executable. No test may leave a modal box waiting, so message
// boxes go to a recording sink that answers at once.
#include <windows.h>
#include <objbase.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include "testsupport/TestWindows.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::OleInitialize(nullptr);
    installRecordingMessageSink();
    int result = RUN_ALL_TESTS();
    ::OleUninitialize();
    return result;
}
