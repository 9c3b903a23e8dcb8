// Where the MPEG audio frames of a file begin. Files often carry bytes before the first
// frame: an ID3v2 tag, zero padding left by a tagger, or junk from a cut download. The
// start is a frame header followed by more frames of the same kind.
#pragma once

#include <cstddef>

// How far junk is looked through: the amount players commonly examine when they check a
// file's format.
constexpr std::size_t kMaxLeadingJunk = 16000;
// The longest frame with a known bit rate (MPEG 2 layer II at 160 kbit/s and 8 kHz).
constexpr std::size_t kMaxFrameBytes = 2881;
// What findFirstMpegFrame needs to see: the junk and the frames that confirm a header.
constexpr std::size_t kMpegSearchBytes = kMaxLeadingJunk + 3 * kMaxFrameBytes;
constexpr std::size_t kNoMpegFrame = static_cast<std::size_t>(-1);

// The length of an ID3v2 tag at the start of `data` (its header and, when flagged, its
// footer), or 0 without one.
std::size_t id3v2TagLength(const unsigned char* data, std::size_t size);

// The offset of the first confirmed frame header within the first kMaxLeadingJunk bytes
// of `data`, or kNoMpegFrame. `endOfFile`: the data runs to the end of the file, so a
// last frame that ends exactly there needs no header after it.
std::size_t findFirstMpegFrame(const unsigned char* data, std::size_t size, bool endOfFile);
