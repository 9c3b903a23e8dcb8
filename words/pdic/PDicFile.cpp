#include "words/pdic/PDicFile.h"

PDicFile::~PDicFile() { close(); }

bool PDicFile::open(const std::wstring& path) {
    close();
    mFile = _wfopen(path.c_str(), L"rb");
    if (!mFile) return false;
    if (_fseeki64(mFile, 0, SEEK_END) != 0 || (mSize = _ftelli64(mFile)) < 0) {
        close();
        return false;
    }
    return true;
}

void PDicFile::close() {
    if (mFile) std::fclose(mFile);
    mFile = nullptr;
    mSize = 0;
}

size_t PDicFile::readAt(int64_t offset, void* dest, size_t count) {
    if (!mFile || offset < 0 || offset >= mSize) return 0;
    if (_fseeki64(mFile, offset, SEEK_SET) != 0) return 0;
    return std::fread(dest, 1, count, mFile);
}
