// How a news download worker reports to its dialog. The worker calls these on its own
// thread; the implementation hands them over to the user-interface thread.
#pragma once

#include <string>

class DownloadListener {
public:
    virtual ~DownloadListener() = default;

    // The run ended without failure and no stop was requested; the sentence list is ready.
    virtual void downloadFinished() = 0;
    // The run ended with a failure, after the failure was reported through showProgress.
    virtual void downloadFailed() = 0;
    // One line for the log. Returns once the line has been taken, so that lines keep
    // their order and the text may be reused.
    virtual void showProgress(const std::wstring& text) = 0;
};
