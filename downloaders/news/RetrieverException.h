// A page of a news site that is not as expected: the whole message to log (often with the
// page text or the address in front of what was not found). It ends a download run.
#pragma once

#include <string>

class RetrieverException {
public:
    explicit RetrieverException(const std::wstring& message) : mMessage(message) {}

    const std::wstring& getMessage() const { return mMessage; }

private:
    std::wstring mMessage;
};
