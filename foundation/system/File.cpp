#include "foundation/system/File.h"

#include "foundation/encoding/StringConversion.h"
#include "foundation/system/WindowsVersion.h"

File::~File() {
    close();
}

bool File::open(const std::wstring& path, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile) {
    close();
    mPath = path;
    HANDLE handle = INVALID_HANDLE_VALUE;
    if (!isWindowsNT()) {
        handle = ::CreateFileA(toString(path).c_str(), access, shareMode, security, creationDisposition,
                               flagsAndAttributes, templateFile);
    }
    if (handle == INVALID_HANDLE_VALUE) {
        handle = ::CreateFileW(path.c_str(), access, shareMode, security, creationDisposition, flagsAndAttributes,
                               templateFile);
    }
    if (handle == INVALID_HANDLE_VALUE) {
        mHandle = nullptr;
        return false;
    }
    mHandle = handle;
    readFileTimes();
    return true;
}

BOOL File::close() {
    if (!isOpen()) {
        mHandle = nullptr;
        return 0;
    }
    BOOL closed = ::CloseHandle(mHandle);
    mHandle = nullptr;
    return closed;
}

void File::readFileTimes() {
    if (!isOpen() || !::GetFileInformationByHandle(mHandle, &mInformation)) return;
    FILETIME local = {};
    if (::FileTimeToLocalFileTime(&mInformation.ftCreationTime, &local)) ::FileTimeToSystemTime(&local, &mCreation);
    if (::FileTimeToLocalFileTime(&mInformation.ftLastWriteTime, &local)) ::FileTimeToSystemTime(&local, &mLastWrite);
}
