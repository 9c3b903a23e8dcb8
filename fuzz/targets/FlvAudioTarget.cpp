// FLV files as the stream recorder saves them, walked tag by tag for their audio.
#include <stdexcept>
#include <string>
#include <vector>

#include "downloaders/flv/FlvAudioExtractor.h"
#include "downloaders/flv/FlvInput.h"
#include "fuzz/FuzzTarget.h"

namespace {

void extractAudio(const uint8_t* data, size_t size) {
    MemoryFlvInput input(data, size);
    size_t copied = 0;
    FlvAudioExtractor::extract(input, [&copied](const uint8_t*, size_t bytes) {
        copied += bytes;
        return true;
    });
    // Only bytes of the file itself may come out, whatever sizes its tags claim.
    if (copied > size) throw std::runtime_error("more audio than file");
}

const std::vector<std::string> kFlvTokens = {
    std::string("FLV\x01\x05\x00\x00\x00\x09\x00\x00\x00\x00", 13), std::string("\x08\x00\x00\x10", 4),
    std::string("\x09\x00\x00\x10", 4), std::string("\x12\x00\x00\x10", 4), std::string("\x00\x00\x00\x00\x00\x00\x00", 7),
    std::string("\x2E\xFF\xFB\x90\x64", 5), std::string("\xFF\xFF\xFF\xFF", 4), std::string("\x80\x00\x00\x00", 4),
    std::string("\x00\xFF\xFF\xFF", 4)};

FuzzTargetRegistration flvAudio({"flv-audio", extractAudio, kFlvTokens, {}});

}  // namespace
