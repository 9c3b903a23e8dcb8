// Helpers for tests that drive real windows under Wine.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "foundation/system/MessageBoxes.h"

// Message boxes shown since the last take, answered with `answer` (IDOK by default).
void installRecordingMessageSink();
std::vector<MessageBoxRequest> takeShownMessages();
void setMessageBoxAnswer(int answer);

// Dispatches pending messages of this thread.
void pumpMessages();
// Pumps until the condition holds or the time runs out; returns the condition.
bool pumpUntil(const std::function<bool()>& condition, int timeoutMs = 2000);
// Pumps for as many milliseconds as the environment variable names (`defaultMs` without
// it): a window shown by a test for looking at stays up long enough for a screenshot.
void holdForLooking(const char* variable, int defaultMs);

// A temporary folder removed with its files when the object goes.
class TempDirectory {
public:
    TempDirectory();
    ~TempDirectory();
    const std::wstring& path() const { return mPath; }
    std::wstring file(const std::wstring& name) const { return mPath + L"\\" + name; }

private:
    std::wstring mPath;
};
