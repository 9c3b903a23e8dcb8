// The search for the first MPEG audio frame behind tags and junk, on damaged files.
#include "fuzz/FuzzTarget.h"
#include "standins/bass/core/MpegSync.h"

namespace {

void findFrames(const uint8_t* data, size_t size) {
    size_t tag = id3v2TagLength(data, size);
    if (tag <= size) findFirstMpegFrame(data + tag, size - tag, true);
    findFirstMpegFrame(data, size, false);
}

const std::vector<std::string> kMpegTokens = {"ID3", std::string("\xFF\xFB\x90\x64", 4), std::string("\xFF\xF3", 2),
                                              std::string("\x00\x00\x00\x00", 4)};

FuzzTargetRegistration registration({"mpegSync", findFrames, kMpegTokens, {"player/tests/fixtures/audio"}});

}  // namespace
