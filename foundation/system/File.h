// A Win32 file handle with the file's times, closed when the object goes.
#pragma once

#include <windows.h>

#include <string>

class File {
public:
    File() = default;
    explicit File(const std::wstring& path) : mPath(path) {}
    virtual ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // CreateFile with these arguments (closing any open handle first); keeps the path
    // either way and reads the times on success.
    bool open(const std::wstring& path, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
              DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile);
    // CloseHandle's result when a handle was open, else 0.
    BOOL close();
    void readFileTimes();

    HANDLE getHandle() const { return mHandle; }
    bool isOpen() const { return mHandle != nullptr && mHandle != INVALID_HANDLE_VALUE; }
    const std::wstring& getPath() const { return mPath; }
    // Creation and last-write times in local time.
    const SYSTEMTIME& getCreationTime() const { return mCreation; }
    const SYSTEMTIME& getLastWriteTime() const { return mLastWrite; }
    const BY_HANDLE_FILE_INFORMATION& getInformation() const { return mInformation; }
    int getCreationYear() const { return mCreation.wYear; }
    int getCreationMonth() const { return mCreation.wMonth; }
    int getCreationDay() const { return mCreation.wDay; }

private:
    HANDLE mHandle = INVALID_HANDLE_VALUE;
    SYSTEMTIME mCreation = {};
    SYSTEMTIME mLastWrite = {};
    BY_HANDLE_FILE_INFORMATION mInformation = {};
    std::wstring mPath;
};
