#include "player/mp3/MP3StreamFile.h"

#include <algorithm>
#include <cstring>

namespace MP3 {

namespace {
// Large enough that an hour of frames takes a few hundred reads.
constexpr size_t kWindowBytes = 256 * 1024;
}  // namespace

File::~File() { close(); }

bool File::open(const std::wstring& path) {
    close();
    mFile = ::_wfopen(path.c_str(), L"rb");
    if (mFile == nullptr) return false;
    if (::_fseeki64(mFile, 0, SEEK_END) == 0) {
        const int64_t end = ::_ftelli64(mFile);
        mSize = end > 0 ? static_cast<uint64_t>(end) : 0;
    }
    ::_fseeki64(mFile, 0, SEEK_SET);
    return true;
}

void File::close() {
    if (mFile != nullptr) ::fclose(mFile);
    mFile = nullptr;
    mSize = 0;
    mWindow.clear();
    mWindowStart = 0;
}

size_t File::readAt(uint64_t offset, void* out, size_t count) {
    if (mFile == nullptr || offset >= mSize) return 0;
    uint8_t* target = static_cast<uint8_t*>(out);
    size_t done = 0;
    while (done < count && offset + done < mSize) {
        const uint64_t at = offset + done;
        if (at < mWindowStart || at >= mWindowStart + mWindow.size()) {
            mWindow.resize(kWindowBytes);
            if (::_fseeki64(mFile, static_cast<int64_t>(at), SEEK_SET) != 0) break;
            mWindow.resize(::fread(mWindow.data(), 1, kWindowBytes, mFile));
            mWindowStart = at;
            if (mWindow.empty()) break;
        }
        const size_t inWindow = static_cast<size_t>(at - mWindowStart);
        const size_t n = std::min(count - done, mWindow.size() - inWindow);
        std::memcpy(target + done, mWindow.data() + inWindow, n);
        done += n;
    }
    return done;
}

}  // namespace MP3
