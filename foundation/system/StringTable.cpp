#include "foundation/system/StringTable.h"

StringTable& StringTable::instance() {
    static StringTable table;
    return table;
}

const std::wstring& StringTable::lookup(const std::wstring& key) {
    auto found = mTexts.find(key);
    if (found == mTexts.end()) found = mTexts.emplace(key, key).first;
    return found->second;
}
