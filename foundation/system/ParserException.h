// A syntax failure of a parser: the whole message, the source line of the throw and a
// kind code (0 structure, 2 character not allowed, 4 encoding mismatch for XML).
#pragma once

#include <string>

class ParserException {
public:
    ParserException(const std::wstring& message, int line, int kind)
        : mMessage(message), mLine(line), mKind(kind) {}

    std::wstring getMessage() const { return mMessage; }
    int getLine() const { return mLine; }
    int getKind() const { return mKind; }

private:
    std::wstring mMessage;
    int mLine;
    int mKind;
};
