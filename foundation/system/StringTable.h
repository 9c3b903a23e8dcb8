// Texts looked up by key. Nothing loads translations yet, so a lookup gives its key back.
#pragma once

#include <map>
#include <string>

class StringTable {
public:
    static StringTable& instance();

    // The text stored under the key; a missing key is first stored as its own text.
    const std::wstring& lookup(const std::wstring& key);

private:
    StringTable() = default;
    std::map<std::wstring, std::wstring> mTexts;
};
