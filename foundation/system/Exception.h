// The program's own failures: where they were thrown, a kind code and a detail text.
#pragma once

#include <string>

class Exception {
public:
    Exception(const std::wstring& message, const std::string& where, int line, int code);
    virtual ~Exception() = default;

    // The message followed by the text of the code.
    virtual std::wstring getMessage() const;
    virtual std::wstring getMessageText() const;
    virtual std::wstring errorText(int code) const;

    const std::string& getWhere() const { return mWhere; }
    int getCode() const { return mCode; }
    int getLine() const { return mLine; }

private:
    std::string mWhere;
    int mCode;
    int mLine;
    std::wstring mMessage;
};

// Failures of reading and writing the lyrics of an audio file.
class LyricsManagerException : public Exception {
public:
    using Exception::Exception;
    ~LyricsManagerException() override = default;

    std::wstring getMessage() const override;
    std::wstring getMessageText() const override;
    std::wstring errorText(int code) const override;
};
