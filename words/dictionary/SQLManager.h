// One SQLite connection, closed when the object goes.
#pragma once

#include <string>

struct sqlite3;

// The row callback sqlite3_exec calls: argument, column count, column texts, column names.
using SQLRowCallback = int (*)(void*, int, char**, char**);

class SQLManager {
public:
    SQLManager() = default;
    ~SQLManager();
    SQLManager(const SQLManager&) = delete;
    SQLManager& operator=(const SQLManager&) = delete;

    // True when the database at the path opened (SQLite creates a missing file).
    bool open(const std::wstring& path);
    void close();
    bool isConnected() const { return mDatabase != nullptr; }
    // Runs the statement (as UTF-8), calling the callback for each row; true on success.
    bool exec(const std::wstring& sql, SQLRowCallback callback, void* argument);

private:
    sqlite3* mDatabase = nullptr;
};

// The text as an SQL string literal: in single quotes, each single quote doubled, so that
// no text can end the literal. Cut at the first U+0000, which would end the statement.
std::wstring quoteSqlText(const std::wstring& text);
