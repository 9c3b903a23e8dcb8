// The MP3 frame walk on damaged files: the tag skipped, then every frame header decoded
// and its length followed to the next.
#include "fuzz/FuzzTarget.h"
#include "player/mp3/ByteSource.h"
#include "player/mp3/MP3File.h"

namespace {

void scanFrames(const uint8_t* data, size_t size) {
    MemoryByteSource source(data, size);
    MP3File file;
    file.scan(source);
}

const std::vector<std::string> kFrameTokens = {"ID3", "TAG", std::string("\xFF\xFB\x90\x64", 4),
                                               std::string("\xFF\xF3\x80\xC0", 4), std::string("\xFF\xFF\xC6\x00", 4),
                                               std::string("\xFF\xFB\x00", 3)};

FuzzTargetRegistration registration({"mp3FrameScan", scanFrames, kFrameTokens, {"player/tests/fixtures/audio"}});

}  // namespace
