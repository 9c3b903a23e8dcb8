// The ID3v2 tag reader on damaged tags: the header, extended header, unsynchronisation
// and frame list, then the SYLT and USLT payloads of what it found, and the tag written
// back and read again.
#include "fuzz/FuzzTarget.h"
#include "player/mp3/MP3_ID3Manager.h"
#include "player/mp3/SyltFrame.h"
#include "player/mp3/UsltFrame.h"

namespace {

void readTag(const uint8_t* data, size_t size) {
    MP3_ID3Manager tag;
    tag.parse(data, size);
    std::vector<LyricsLine> lines;
    for (const auto& frame : tag.getFrames()) {
        parseSyltPayload(frame->payload.data(), frame->payload.size(), lines);
        parseUsltPayload(frame->payload.data(), frame->payload.size());
    }
    // The raw input as a payload too, for inputs that never form a tag.
    parseSyltPayload(data, size, lines);
    parseUsltPayload(data, size);
    const std::string written = tag.writeTag();
    MP3_ID3Manager again;
    again.parse(reinterpret_cast<const uint8_t*>(written.data()), written.size());
}

const std::vector<std::string> kTagTokens = {
    "ID3", "SYLT", "USLT", "SLT", "ULT", std::string("\x03\x00", 2), std::string("\x04\x00\x80", 3),
    std::string("\x04\x00\x40", 3), std::string("\xFF\xFE", 2), std::string("\xFE\xFF", 2),
    std::string("\xFF\x00", 2), std::string("\x00\x00\x00\x7F", 4), std::string("\x7F\x7F\x7F\x7F", 4),
    std::string("\x00\x03", 2)};

FuzzTargetRegistration registration({"id3Tag", readTag, kTagTokens, {}});

}  // namespace
