#include "foundation/system/Exception.h"

Exception::Exception(const std::wstring& message, const std::string& where, int line, int code)
    : mWhere(where), mCode(code), mLine(line), mMessage(message) {}

std::wstring Exception::getMessage() const {
    return mMessage + errorText(mCode);
}

std::wstring Exception::getMessageText() const {
    return getMessage();
}

std::wstring Exception::errorText(int) const {
    return std::wstring();
}

std::wstring LyricsManagerException::getMessage() const {
    return Exception::getMessage();
}

std::wstring LyricsManagerException::getMessageText() const {
    return getMessage();
}

std::wstring LyricsManagerException::errorText(int code) const {
    switch (code) {
    case 1: return L"\r\nCouldn't open this mp3 file";
    case 4: return L"\r\nLists/Lyrics.txt ファイルが正しく読み込めていません。";
    case 5: return L"\r\nLlrc ファイルの作成に失敗しました";
    case 6: return L"\r\nLSylt タグを MP3 に設定できませんでした";
    default: return std::wstring();
    }
}
