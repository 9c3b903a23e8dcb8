#include "player/mp3/MP3_ID3Manager.h"

#include <algorithm>
#include <cstring>

#include "player/mp3/Id3Bytes.h"

namespace {

constexpr size_t kTagHeaderSize = 10;

// Where the frames start in the tag body: after the extended header, if any. Version 2.3
// gives the extended header's size without its own 4 size bytes, version 2.4 with them
// (as a syncsafe number). Version 2.2 has none (its flag 0x40 meant compression).
size_t skipExtendedHeader(const std::vector<uint8_t>& body, int majorVersion, uint32_t& extendedSize) {
    extendedSize = 0;
    if (body.size() < 4 || majorVersion < 3) return 0;
    uint64_t skip = 0;
    if (majorVersion == 3) {
        extendedSize = decodeBigEndian(body.data(), 4);
        skip = 4ull + extendedSize;
    } else {
        extendedSize = decodeSyncsafe(body.data());
        skip = std::max<uint64_t>(4, extendedSize);
    }
    return static_cast<size_t>(std::min<uint64_t>(skip, body.size()));
}

}  // namespace

void MP3_ID3Manager::clear() {
    mFrames.clear();
    mUnreadFrames.clear();
    mTagSize = 0;
    mFlags = 0;
    mExtendedHeaderSize = 0;
    mAudioOffset = 0;
    mHasTag = false;
}

bool MP3_ID3Manager::read(FILE* file) {
    if (file == nullptr) {
        clear();
        return false;
    }
    // The tag is read whole into memory, never more of it than the file holds.
    ::_fseeki64(file, 0, SEEK_END);
    const int64_t fileSize = std::max<int64_t>(0, ::_ftelli64(file));
    ::_fseeki64(file, 0, SEEK_SET);
    std::vector<uint8_t> bytes(kTagHeaderSize);
    bytes.resize(::fread(bytes.data(), 1, kTagHeaderSize, file));
    if (bytes.size() == kTagHeaderSize && std::memcmp(bytes.data(), "ID3", 3) == 0) {
        const size_t wanted = static_cast<size_t>(
            std::min<int64_t>(decodeSyncsafe(bytes.data() + 6), fileSize - static_cast<int64_t>(kTagHeaderSize)));
        bytes.resize(kTagHeaderSize + wanted);
        bytes.resize(kTagHeaderSize + ::fread(bytes.data() + kTagHeaderSize, 1, wanted, file));
    }
    const bool found = parse(bytes.data(), bytes.size());
    ::_fseeki64(file, found ? static_cast<int64_t>(mAudioOffset) : 0, SEEK_SET);
    return found;
}

bool MP3_ID3Manager::read(ByteSource& source) {
    std::vector<uint8_t> bytes(kTagHeaderSize);
    bytes.resize(source.readAt(0, bytes.data(), kTagHeaderSize));
    if (bytes.size() == kTagHeaderSize && std::memcmp(bytes.data(), "ID3", 3) == 0) {
        const uint32_t size = decodeSyncsafe(bytes.data() + 6);
        const size_t available = static_cast<size_t>(std::min<uint64_t>(size, source.size() - kTagHeaderSize));
        bytes.resize(kTagHeaderSize + available);
        bytes.resize(kTagHeaderSize + source.readAt(kTagHeaderSize, bytes.data() + kTagHeaderSize, available));
    }
    return parse(bytes.data(), bytes.size());
}

bool MP3_ID3Manager::parse(const uint8_t* data, size_t size) {
    clear();
    mMajorVersion = 3;
    mRevision = 0;
    if (size < kTagHeaderSize || std::memcmp(data, "ID3", 3) != 0) return false;
    mHasTag = true;
    mMajorVersion = data[3];
    mRevision = data[4];
    mFlags = data[5];
    // A tag that claims more than the file holds ends with the file.
    const uint32_t claimed = decodeSyncsafe(data + 6);
    mTagSize = static_cast<uint32_t>(std::min<uint64_t>(claimed, size - kTagHeaderSize));
    mAudioOffset = kTagHeaderSize + mTagSize;
    if (mMajorVersion == 4 && (mFlags & kFooterFlag) != 0 && mTagSize == claimed) {
        mAudioOffset = std::min<uint64_t>(mAudioOffset + kTagHeaderSize, size);
    }

    const uint8_t* bodyStart = data + kTagHeaderSize;
    const bool unsynchronised = (mFlags & kUnsynchronisationFlag) != 0;
    // Before version 2.4 the whole tag after its header is unsynchronised at once.
    std::vector<uint8_t> body = unsynchronised && mMajorVersion < 4 ? undoUnsynchronisation(bodyStart, mTagSize)
                                                                  : std::vector<uint8_t>(bodyStart, bodyStart + mTagSize);
    size_t pos = 0;
    if ((mFlags & kExtendedHeaderFlag) != 0) pos = skipExtendedHeader(body, mMajorVersion, mExtendedHeaderSize);

    while (pos < body.size()) {
        auto frame = std::make_unique<ID3V2Frame>();
        const size_t taken = frame->read(body.data(), body.size(), pos, mMajorVersion, unsynchronised);
        if (taken == 0) break;
        pos += taken;
        mFrames.push_back(std::move(frame));
    }
    keepUnreadFrames(body, pos);
    return true;
}

void MP3_ID3Manager::keepUnreadFrames(const std::vector<uint8_t>& body, size_t pos) {
    for (;;) {
        const size_t length = ID3V2Frame::storedLength(body.data(), body.size(), pos, mMajorVersion);
        if (length == 0) return;
        mUnreadFrames.emplace_back(reinterpret_cast<const char*>(body.data() + pos), length);
        pos += length;
    }
}

ID3V2Frame* MP3_ID3Manager::findFrame(const std::string& id) const {
    const size_t length = mMajorVersion == 2 ? 3 : 4;
    for (const auto& frame : mFrames) {
        if (id.size() >= length && std::strncmp(frame->identifier, id.c_str(), length) == 0) return frame.get();
    }
    return nullptr;
}

void MP3_ID3Manager::setFrame(const std::string& id, const uint8_t* data, uint32_t size) {
    if (ID3V2Frame* existing = findFrame(id)) {
        const int64_t grown = static_cast<int64_t>(mTagSize) + size - existing->size;
        mTagSize = static_cast<uint32_t>(std::max<int64_t>(0, grown));
        existing->payload.assign(data, data + size);
        existing->size = size;
        // The new payload is plain: no compression, encryption or grouping byte applies.
        existing->flags[1] = 0;
        return;
    }
    const size_t idLength = mMajorVersion == 2 ? 3 : 4;
    const auto unread = std::find_if(mUnreadFrames.begin(), mUnreadFrames.end(), [&](const std::string& stored) {
        return id.size() >= idLength && stored.compare(0, idLength, id, 0, idLength) == 0;
    });
    if (unread != mUnreadFrames.end()) {
        mTagSize -= static_cast<uint32_t>(std::min<size_t>(mTagSize, unread->size()));
        mUnreadFrames.erase(unread);
    }
    auto frame = std::make_unique<ID3V2Frame>();
    std::strncpy(frame->identifier, id.c_str(), 4);
    frame->payload.assign(data, data + size);
    frame->size = size;
    mTagSize += size + 10;
    mFrames.push_back(std::move(frame));
}

void MP3_ID3Manager::setOnlyFrame(const std::string& id, const uint8_t* data, uint32_t size) {
    setFrame(id, data, size);
    const ID3V2Frame* kept = findFrame(id);
    const size_t idLength = mMajorVersion == 2 ? 3 : 4;
    const auto named = [&](const char* stored) { return std::strncmp(stored, id.c_str(), idLength) == 0; };
    // The room of a dropped frame goes with it, as setFrame does for an unread one.
    const auto shrink = [&](size_t length) { mTagSize -= static_cast<uint32_t>(std::min<size_t>(mTagSize, length)); };
    for (auto it = mFrames.begin(); it != mFrames.end();) {
        if (it->get() != kept && named((*it)->identifier)) {
            shrink((*it)->size + ID3V2Frame::headerSize(mMajorVersion));
            it = mFrames.erase(it);
        } else {
            ++it;
        }
    }
    for (auto it = mUnreadFrames.begin(); it != mUnreadFrames.end();) {
        if (named(it->c_str())) {
            shrink(it->size());
            it = mUnreadFrames.erase(it);
        } else {
            ++it;
        }
    }
}

void MP3_ID3Manager::copyTag(const MP3_ID3Manager& source) {
    if (&source == this) return;
    mHasTag = source.mHasTag;
    mMajorVersion = source.mMajorVersion;
    mRevision = source.mRevision;
    mFlags = source.mFlags;
    mTagSize = source.mTagSize;
    mExtendedHeaderSize = source.mExtendedHeaderSize;
    mAudioOffset = source.mAudioOffset;
    mFrames.clear();
    for (const auto& frame : source.mFrames) mFrames.push_back(std::make_unique<ID3V2Frame>(*frame));
    mUnreadFrames = source.mUnreadFrames;
}
