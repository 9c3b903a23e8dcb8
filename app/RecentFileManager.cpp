#include "app/RecentFileManager.h"

#include <algorithm>

#include "foundation/system/PathUtils.h"
#include "player/settings/Settings.h"

const wchar_t* const RecentFileManager::kSection = L"RecentFileManager";

void RecentFileManager::add(const std::wstring& path) {
    if (path.empty()) return;
    remove(path);
    if (!exists(path)) return;
    mPaths.insert(mPaths.begin(), path);
    if (mPaths.size() > kMaxCount) mPaths.pop_back();
}

void RecentFileManager::remove(const std::wstring& path) {
    auto found = std::find(mPaths.begin(), mPaths.end(), path);
    if (found != mPaths.end()) mPaths.erase(found);
}

bool RecentFileManager::exists(const std::wstring& path) {
    // A saved path holding "*" or "?" must not stand for whatever file matches it.
    return fileExists(path);
}

std::wstring RecentFileManager::get(size_t index) const {
    return index < mPaths.size() ? mPaths[index] : std::wstring();
}

std::wstring RecentFileManager::keyName(size_t index) {
    return L"RecentFile" + std::to_wstring(index);
}

void RecentFileManager::load(const std::wstring& iniPath, const std::wstring& section,
                             const std::wstring& firstRunPath) {
    // "?" cannot be part of a path: it marks a key that is not in the file at all.
    const std::wstring absent = L"?";
    bool anyKey = false;
    for (size_t n = kMaxCount; n-- > 0;) {
        const std::wstring value = readIniString(iniPath, section, keyName(n), absent);
        if (value == absent) continue;
        anyKey = true;
        add(value);
    }
    if (!anyKey) add(firstRunPath);
}

bool RecentFileManager::save(const std::wstring& iniPath, const std::wstring& section) const {
    bool ok = true;
    for (size_t i = 0; i < kMaxCount; ++i) {
        ok = writeIniString(iniPath, section, keyName(i), get(i)) && ok;
    }
    return ok;
}
