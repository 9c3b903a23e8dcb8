// Bitmaps loaded from BMP files by name, kept for the life of the process.
#pragma once

#include <windows.h>

#include <map>
#include <string>

class ResourceManager {
public:
    static ResourceManager& getInstance();
    ~ResourceManager();
    ResourceManager(const ResourceManager&) = delete;
    ResourceManager& operator=(const ResourceManager&) = delete;

    bool hasBitmap(const std::wstring& name) const { return mBitmaps.count(name) != 0; }
    // The cached bitmap of the file, loading it on first request; null when the file can't
    // be read or is not a sound BMP (then nothing is cached and a later call tries again).
    HBITMAP getBitmap(const std::wstring& name);

private:
    ResourceManager() = default;

    std::map<std::wstring, HBITMAP> mBitmaps;
};
