#include "downloaders/flv/FlvManager.h"

#include <cstdio>

#include "downloaders/flv/FlvAudioExtractor.h"
#include "downloaders/flv/FlvInput.h"
#include "foundation/system/File.h"

namespace {

// Large stream buffers: the copy runs at disk speed rather than in 4 KB steps.
constexpr size_t kStreamBuffer = 256 * 1024;

class StreamCloser {
public:
    explicit StreamCloser(FILE* file) : mFile(file) {}
    ~StreamCloser() { close(); }
    StreamCloser(const StreamCloser&) = delete;
    StreamCloser& operator=(const StreamCloser&) = delete;
    // fclose's answer: a failed flush of the last block is a failed write.
    bool close() {
        bool ok = mFile == nullptr || std::fclose(mFile) == 0;
        mFile = nullptr;
        return ok;
    }

private:
    FILE* mFile;
};

}  // namespace

bool FlvManager::convertToMp3(const std::wstring& flvPath, const std::wstring& mp3Path) {
    FILE* in = ::_wfopen(flvPath.c_str(), L"rb");
    if (in == nullptr) return false;
    StreamCloser inCloser(in);
    FILE* out = ::_wfopen(mp3Path.c_str(), L"wb");
    if (out == nullptr) return false;
    StreamCloser outCloser(out);
    std::setvbuf(in, nullptr, _IOFBF, kStreamBuffer);
    std::setvbuf(out, nullptr, _IOFBF, kStreamBuffer);

    FileFlvInput input(in);
    FlvExtractResult result = FlvAudioExtractor::extract(input, [out](const uint8_t* data, size_t size) {
        return std::fwrite(data, 1, size, out) == size;
    });
    bool written = outCloser.close();
    inCloser.close();
    if (result == FlvExtractResult::Copied && written) return true;
    ::DeleteFileW(mp3Path.c_str());
    return false;
}

DWORD FlvManager::getFileSize(const File& file) {
    if (!file.isOpen()) return 0;
    return ::GetFileSize(file.getHandle(), nullptr);
}
