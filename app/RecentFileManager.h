// The recently opened files, most recent first, kept in the settings file as
// "RecentFile0" to "RecentFile9". Only paths at which something still exists stay.
#pragma once

#include <string>
#include <vector>

class RecentFileManager {
public:
    static constexpr size_t kMaxCount = 10;
    // The section the main window keeps its list in.
    static const wchar_t* const kSection;

    // Moves the path to the front when something exists there; else only drops it.
    void add(const std::wstring& path);
    // Removes the first entry equal to the path (exact, case-sensitive).
    void remove(const std::wstring& path);
    // Whether a file or folder exists at exactly this path (no wildcards).
    static bool exists(const std::wstring& path);
    void clear() { mPaths.clear(); }
    size_t size() const { return mPaths.size(); }
    // A copy of an entry; empty out of range.
    std::wstring get(size_t index) const;

    // Restores the saved order from the highest key down, dropping vanished files and
    // duplicates. When the section holds no entry key at all (nothing was ever saved),
    // the list offers `firstRunPath` instead, if that exists.
    void load(const std::wstring& iniPath, const std::wstring& section, const std::wstring& firstRunPath = L"");
    // Writes every entry and empties the keys after the last one; false when a write failed.
    bool save(const std::wstring& iniPath, const std::wstring& section) const;

private:
    static std::wstring keyName(size_t index);

    std::vector<std::wstring> mPaths;
};
