#include "words/dictionary/SQLManager.h"

#include <sqlite3.h>

#include "foundation/encoding/StringConversion.h"

SQLManager::~SQLManager() { close(); }

bool SQLManager::open(const std::wstring& path) {
    close();
    const int result = sqlite3_open16(path.c_str(), &mDatabase);
    if (result == SQLITE_OK) return true;
    // A failed open may still hand back a handle, which must be released.
    close();
    return false;
}

void SQLManager::close() {
    if (mDatabase) sqlite3_close(mDatabase);
    mDatabase = nullptr;
}

bool SQLManager::exec(const std::wstring& sql, SQLRowCallback callback, void* argument) {
    if (!mDatabase) return false;
    const std::string statement = encodeWide(CP_UTF8, sql.c_str(), sql.size());
    return sqlite3_exec(mDatabase, statement.c_str(), callback, argument, nullptr) == SQLITE_OK;
}

std::wstring quoteSqlText(const std::wstring& text) {
    std::wstring quoted = L"'";
    for (const wchar_t c : text) {
        if (c == L'\0') break;
        quoted += c;
        if (c == L'\'') quoted += L'\'';
    }
    return quoted + L"'";
}
