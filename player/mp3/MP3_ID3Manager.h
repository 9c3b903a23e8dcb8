// The ID3v2 tag at the start of an MP3 file: its header fields and the list of its raw
// frames, which the lyrics readers search for SYLT and USLT. The tag is parsed from bytes
// (a buffer or a file), and written back as bytes with the frames it holds, including
// those the reader refused, which are carried along unread.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "player/mp3/ByteSource.h"
#include "player/mp3/ID3V2Frame.h"

class MP3_ID3Manager {
public:
    static constexpr uint8_t kUnsynchronisationFlag = 0x80;
    static constexpr uint8_t kExtendedHeaderFlag = 0x40;
    static constexpr uint8_t kFooterFlag = 0x10;  // version 2.4

    MP3_ID3Manager() = default;
    MP3_ID3Manager(const MP3_ID3Manager&) = delete;
    MP3_ID3Manager& operator=(const MP3_ID3Manager&) = delete;

    // Deletes every frame and sets the tag size and the flags to 0.
    void clear();
    // Reads the tag at the start of the stream. False only when the file does not start
    // with "ID3"; the stream is then at its start, else right after the tag.
    bool read(FILE* file);
    bool read(ByteSource& source);
    // The same on the first bytes of a file (the whole tag, or as much of it as exists).
    bool parse(const uint8_t* data, size_t size);

    bool hasTag() const { return mHasTag; }
    int getMajorVersion() const { return mMajorVersion; }
    int getRevision() const { return mRevision; }
    uint8_t getFlags() const { return mFlags; }
    // The size the header gives, limited to the bytes the file holds.
    uint32_t getTagSize() const { return mTagSize; }
    uint32_t getExtendedHeaderSize() const { return mExtendedHeaderSize; }
    // Where the audio begins: after the tag (and its footer), or 0 without a tag.
    uint64_t getAudioOffset() const { return mAudioOffset; }
    // The frames read, up to the first one the reader refused (too large) or the padding.
    const std::vector<std::unique_ptr<ID3V2Frame>>& getFrames() const { return mFrames; }

    // The first frame read whose identifier is `id` (its first 3 characters in version 2.2).
    ID3V2Frame* findFrame(const std::string& id) const;
    // Replaces the payload of the first frame read named `id`, or appends a new frame
    // (flags 0); the first unread frame of that name, if any, goes, as the new one
    // replaces it.
    void setFrame(const std::string& id, const uint8_t* data, uint32_t size);
    // setFrame, then drops every other frame of that name, read or unread, so that the
    // tag holds the new frame alone (a second lyrics frame would be read instead of it).
    void setOnlyFrame(const std::string& id, const uint8_t* data, uint32_t size);
    // Header fields and deep copies of the frames of another tag.
    void copyTag(const MP3_ID3Manager& source);

    // The tag as bytes: header, frames (those with data), the unread frames as they
    // stood, zero padding up to the tag size. Empty without frames, or when a frame can't
    // be written in this version. Frames read come first, so that this reader finds
    // them again.
    std::string writeTag() const;
    // Writes writeTag() to the stream; false when a write fails.
    bool writeTag(FILE* file) const;

private:
    // Keeps the frames from `pos` on (the one the reader refused and those after it, up
    // to the padding) as they stand in the tag body.
    void keepUnreadFrames(const std::vector<uint8_t>& body, size_t pos);

    bool mHasTag = false;
    int mMajorVersion = 3;
    int mRevision = 0;
    uint8_t mFlags = 0;
    uint32_t mTagSize = 0;
    uint32_t mExtendedHeaderSize = 0;
    uint64_t mAudioOffset = 0;
    std::vector<std::unique_ptr<ID3V2Frame>> mFrames;
    // Whole frames, header included, in the form of this tag's version.
    std::vector<std::string> mUnreadFrames;
};
