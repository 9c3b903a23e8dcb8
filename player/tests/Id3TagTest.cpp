#include <gtest/gtest.h>

#include <string>

#include "player/mp3/Id3Bytes.h"
#include "player/mp3/MP3_ID3Manager.h"
#include "player/tests/AudioTestSupport.h"
#include "player/tests/Id3TestSupport.h"
#include "testsupport/TestWindows.h"

using namespace id3test;

namespace {

const std::string kAudio = bytes({0xFF, 0xFB, 0x90, 0x64}) + std::string(413, '\0');

std::string payloadOf(const MP3_ID3Manager& tag, const char* id) {
    const ID3V2Frame* f = tag.findFrame(id);
    return f == nullptr ? std::string("<none>") : std::string(f->payload.begin(), f->payload.end());
}

bool parse(MP3_ID3Manager& tag, const std::string& file) { return tag.parse(data(file), file.size()); }

}  // namespace

TEST(Id3Numbers, DecodeBigEndianAndSyncsafeForms) {
    const std::string b = bytes({0x01, 0x02, 0x03, 0x04});
    EXPECT_EQ(decodeBigEndian(data(b), 2), 0x0102u);
    EXPECT_EQ(decodeBigEndian(data(b), 3), 0x010203u);
    EXPECT_EQ(decodeBigEndian(data(b), 4), 0x01020304u);
    EXPECT_EQ(decodeBigEndian(data(b), 5), 0u);
    EXPECT_EQ(decodeSyncsafe(data(syncsafe(128))), 128u);
    EXPECT_EQ(syncsafe(128), bytes({0, 0, 1, 0}));
    std::string out;
    appendSyncsafe(out, 0x0FFFFFFF);
    EXPECT_EQ(out, bytes({0x7F, 0x7F, 0x7F, 0x7F}));
    const std::string unsynchronised = bytes({0xFF, 0x00, 0xFE, 0x41, 0xFF, 0x00, 0x00, 0xFF});
    const std::vector<uint8_t> undone = undoUnsynchronisation(data(unsynchronised), unsynchronised.size());
    EXPECT_EQ(std::string(undone.begin(), undone.end()), bytes({0xFF, 0xFE, 0x41, 0xFF, 0x00, 0xFF}));
}

TEST(Id3TagReading, AFileWithoutTagLeavesVersionThreeAndNoFrames) {
    MP3_ID3Manager tag;
    EXPECT_FALSE(parse(tag, kAudio));
    EXPECT_FALSE(tag.hasTag());
    EXPECT_EQ(tag.getMajorVersion(), 3);
    EXPECT_EQ(tag.getAudioOffset(), 0u);
    EXPECT_TRUE(tag.getFrames().empty());
}

TEST(Id3TagReading, ReadsFramesUpToThePaddingAndFindsTheAudioAfterIt) {
    const std::string body = frame(3, "TIT2", bytes({0}) + "Title") + frame(3, "USLT", "xyz") + std::string(50, '\0');
    const std::string file = tagBytes(3, 0, body) + kAudio;
    MP3_ID3Manager tag;
    ASSERT_TRUE(parse(tag, file));
    ASSERT_EQ(tag.getFrames().size(), 2u);
    EXPECT_STREQ(tag.getFrames()[1]->identifier, "USLT");
    EXPECT_EQ(tag.getFrames()[1]->offset, 10 + 16);
    EXPECT_EQ(payloadOf(tag, "USLT"), "xyz");
    EXPECT_EQ(tag.getTagSize(), body.size());
    EXPECT_EQ(tag.getAudioOffset(), 10 + body.size());
}

TEST(Id3TagReading, ReadsVersionTwoPointTwoFramesByTheirThreeCharacterNames) {
    const std::string file = tagBytes(2, 0, frame22("TT2", "ab") + frame22("SLT", "payload") + std::string(8, '\0'));
    MP3_ID3Manager tag;
    ASSERT_TRUE(parse(tag, file));
    EXPECT_EQ(tag.getMajorVersion(), 2);
    EXPECT_EQ(payloadOf(tag, "SLT"), "payload");
    EXPECT_EQ(payloadOf(tag, "SLTX"), "payload");  // only the first three characters count
}

TEST(Id3TagReading, SkipsExtendedHeadersByTheirRealSize) {
    // Version 2.3 counts the extended header without its four size bytes.
    const std::string v23 = bigEndian(6) + bytes({0, 0}) + bigEndian(0);
    MP3_ID3Manager tag;
    ASSERT_TRUE(parse(tag, tagBytes(3, 0x40, v23 + frame(3, "USLT", "three")) + kAudio));
    EXPECT_EQ(tag.getExtendedHeaderSize(), 6u);
    EXPECT_EQ(payloadOf(tag, "USLT"), "three");
    // Version 2.4 counts them in, as a syncsafe number; here with a CRC after the flags.
    const std::string v24 = syncsafe(11) + bytes({1, 0x20}) + bytes({1, 2, 3, 4, 5});
    ASSERT_TRUE(parse(tag, tagBytes(4, 0x40, v24 + frame(4, "USLT", "four")) + kAudio));
    EXPECT_EQ(tag.getExtendedHeaderSize(), 11u);
    EXPECT_EQ(payloadOf(tag, "USLT"), "four");
    // An extended header larger than the tag leaves no frames, and no fault.
    ASSERT_TRUE(parse(tag, tagBytes(4, 0x40, syncsafe(5000) + frame(4, "USLT", "x"))));
    EXPECT_TRUE(tag.getFrames().empty());
}

TEST(Id3TagReading, VersionFourFrameSizesAreSyncsafeWithAPlainFallback) {
    // 200 bytes: syncsafe 00 00 01 48; plain 00 00 00 C8, which is no syncsafe number.
    const std::string payload(200, 'p');
    MP3_ID3Manager tag;
    ASSERT_TRUE(parse(tag, tagBytes(4, 0, frame(4, "USLT", payload) + frame(4, "TIT2", "t")) + kAudio));
    EXPECT_EQ(payloadOf(tag, "USLT"), payload);
    EXPECT_EQ(payloadOf(tag, "TIT2"), "t");
    // A writer that put the plain size there: a size byte of 0x80 or above.
    std::string plain = "USLT" + bigEndian(200) + bytes({0, 0}) + payload;
    ASSERT_TRUE(parse(tag, tagBytes(4, 0, plain + frame(4, "TIT2", "t")) + kAudio));
    EXPECT_EQ(payloadOf(tag, "USLT"), payload);
    EXPECT_EQ(payloadOf(tag, "TIT2"), "t");
    // 300 bytes plain is 00 00 01 2C: read syncsafe it is 172 bytes, which fits too; the
    // syncsafe reading wins there, as the standard says.
    const std::string ambiguous = "USLT" + bigEndian(300) + bytes({0, 0}) + std::string(300, 'q');
    ASSERT_TRUE(parse(tag, tagBytes(4, 0, ambiguous) + kAudio));
    EXPECT_EQ(payloadOf(tag, "USLT").size(), 172u);
}

TEST(Id3TagReading, UndoesUnsynchronisationOfWholeTagsAndOfVersionFourFrames) {
    const std::string payload = bytes({1}) + "eng" + bytes({0xFF, 0xFE, 0, 0, 0xFF, 0xFE, 'A', 0, 0xFF, 0});
    // Version 2.3: the whole body after the header, frame headers included.
    std::string body = frame(3, "USLT", payload);
    std::string unsynchronised;
    for (size_t i = 0; i < body.size(); ++i) {
        unsynchronised += body[i];
        const uint8_t next = i + 1 < body.size() ? static_cast<uint8_t>(body[i + 1]) : 0;
        if (static_cast<uint8_t>(body[i]) == 0xFF && (next >= 0xE0 || next == 0)) unsynchronised += '\0';
    }
    ASSERT_NE(unsynchronised, body);
    MP3_ID3Manager tag;
    ASSERT_TRUE(parse(tag, tagBytes(3, 0x80, unsynchronised) + kAudio));
    EXPECT_EQ(payloadOf(tag, "USLT"), payload);
    EXPECT_EQ(tag.getAudioOffset(), 10 + unsynchronised.size());
    // Version 2.4: the frame's own flag and size; a data-length indicator goes too.
    std::string data24 = unsynchronised.substr(10);
    ASSERT_TRUE(parse(tag, tagBytes(4, 0, frame(4, "USLT", data24, 0x02)) + kAudio));
    EXPECT_EQ(payloadOf(tag, "USLT"), payload);
    EXPECT_EQ(tag.findFrame("USLT")->flags[1], 0);
    ASSERT_TRUE(parse(tag, tagBytes(4, 0x80, frame(4, "USLT", syncsafe(static_cast<uint32_t>(payload.size())) + data24, 0x03)) + kAudio));
    EXPECT_EQ(payloadOf(tag, "USLT"), payload);
}

TEST(Id3TagReading, NeverRunsPastTheTagOrTheFile) {
    MP3_ID3Manager tag;
    // A frame that claims more than the rest of the tag ends the reading there.
    const std::string oversized = "USLT" + bigEndian(1000) + bytes({0, 0}) + "short";
    ASSERT_TRUE(parse(tag, tagBytes(3, 0, frame(3, "TIT2", "t") + oversized) + kAudio));
    EXPECT_EQ(tag.getFrames().size(), 1u);
    EXPECT_EQ(payloadOf(tag, "USLT"), "<none>");
    // A tag that claims more than the file holds ends with the file.
    std::string truncated = "ID3" + bytes({3, 0, 0}) + syncsafe(100000) + frame(3, "USLT", "abc");
    ASSERT_TRUE(parse(tag, truncated));
    EXPECT_EQ(tag.getTagSize(), truncated.size() - 10);
    EXPECT_EQ(tag.getAudioOffset(), truncated.size());
    EXPECT_EQ(payloadOf(tag, "USLT"), "abc");
    // A bare header, and a header cut short.
    ASSERT_TRUE(parse(tag, "ID3" + bytes({3, 0, 0}) + syncsafe(0)));
    EXPECT_TRUE(tag.getFrames().empty());
    EXPECT_FALSE(parse(tag, "ID3" + bytes({3, 0, 0})));
}

TEST(Id3TagReading, RefusesFramesOfTenMebibytes) {
    const std::string big(ID3V2Frame::kMaxFrameSize, 'x');
    MP3_ID3Manager tag;
    ASSERT_TRUE(parse(tag, tagBytes(3, 0, frame(3, "APIC", big))));
    EXPECT_TRUE(tag.getFrames().empty());
    ASSERT_TRUE(parse(tag, tagBytes(3, 0, frame(3, "APIC", big.substr(1)))));
    EXPECT_EQ(tag.getFrames().size(), 1u);
}

TEST(Id3TagWriting, WritesHeaderFramesAndPaddingWithTheVersionsSizeForm) {
    MP3_ID3Manager tag;
    const std::string payload(200, 'p');
    ASSERT_TRUE(parse(tag, tagBytes(4, 0x40, syncsafe(6) + bytes({1, 0}) + frame(4, "TIT2", "t") + std::string(40, '\0'))));
    tag.setFrame("SYLT", data(payload), 200);
    const std::string written = tag.writeTag();
    // Flags 0: the extended header is not written again; its bytes became padding.
    const std::string frames = frame(4, "TIT2", "t") + frame(4, "SYLT", payload);
    EXPECT_EQ(written.substr(0, 6), "ID3" + bytes({4, 0, 0}));
    EXPECT_EQ(written.substr(10, frames.size()), frames);
    // The tag keeps its old room (6 + 11 + 40 bytes) grown by the new frame.
    EXPECT_EQ(written.size(), 10u + 57 + 210);
    EXPECT_EQ(written.substr(10 + frames.size()), std::string(46, '\0'));
    EXPECT_EQ(decodeSyncsafe(data(written) + 6), written.size() - 10);
    MP3_ID3Manager again;
    ASSERT_TRUE(again.parse(data(written), written.size()));
    EXPECT_EQ(payloadOf(again, "SYLT"), payload);
    EXPECT_EQ(payloadOf(again, "TIT2"), "t");
}

TEST(Id3TagWriting, ReplacesAFrameInPlaceAndDropsItsFormatFlags) {
    MP3_ID3Manager tag;
    ASSERT_TRUE(parse(tag, tagBytes(3, 0, frame(3, "SYLT", "old and compressed", 0x80) + frame(3, "TIT2", "t"))));
    const uint32_t before = tag.getTagSize();
    tag.setFrame("SYLT", data(std::string("new")), 3);
    EXPECT_EQ(tag.getTagSize(), before - 15);
    EXPECT_EQ(tag.findFrame("SYLT")->flags[1], 0);
    const std::string written = tag.writeTag();
    EXPECT_EQ(written.substr(10), frame(3, "SYLT", "new") + frame(3, "TIT2", "t"));
    // A tag without frames writes nothing; a version 2.2 tag keeps its short headers.
    MP3_ID3Manager empty;
    EXPECT_EQ(empty.writeTag(), "");
    ASSERT_TRUE(parse(tag, tagBytes(2, 0, frame22("TT2", "ab"))));
    tag.setFrame("SLT", data(std::string("xy")), 2);
    EXPECT_EQ(tag.writeTag().substr(10, 16), frame22("TT2", "ab") + frame22("SLT", "xy"));
}

TEST(Id3TagWriting, VersionFourGroupByteComesBeforeTheDataLengthIndicator) {
    const std::string lyrics = bytes({0}) + "eng" + bytes({0}) + "words";
    const std::string stored = bytes({7}) + syncsafe(static_cast<uint32_t>(lyrics.size())) + lyrics;
    MP3_ID3Manager tag;
    ASSERT_TRUE(parse(tag, tagBytes(4, 0, frame(4, "USLT", stored, 0x41)) + kAudio));  // grouping, length
    EXPECT_EQ(payloadOf(tag, "USLT"), lyrics);
    const std::string rewritten = frame(4, "USLT", bytes({7}) + lyrics, 0x40);
    EXPECT_EQ(tag.writeTag().substr(10, rewritten.size()), rewritten);
}

TEST(Id3TagWriting, CopiesAnotherTagDeeply) {
    MP3_ID3Manager source;
    ASSERT_TRUE(source.parse(data(tagBytes(4, 0, frame(4, "TIT2", "t"))), 21));
    MP3_ID3Manager copy;
    copy.copyTag(source);
    source.clear();
    EXPECT_EQ(copy.getMajorVersion(), 4);
    EXPECT_EQ(payloadOf(copy, "TIT2"), "t");
}

TEST(Id3TagFile, ReadsFromAStreamAndLeavesItAfterTheTag) {
    TempDirectory temp;
    const std::wstring path = temp.file(L"tagged.mp3");
    const std::string tagged = tagBytes(3, 0, frame(3, "USLT", "words") + std::string(20, '\0'));
    writeBytes(path, tagged + kAudio);
    FILE* file = ::_wfopen(path.c_str(), L"rb");
    ASSERT_NE(file, nullptr);
    MP3_ID3Manager tag;
    EXPECT_TRUE(tag.read(file));
    EXPECT_EQ(::ftell(file), static_cast<long>(tagged.size()));
    EXPECT_EQ(payloadOf(tag, "USLT"), "words");
    ::fclose(file);

    // Written back through a stream, the tag reads the same.
    const std::wstring copy = temp.file(L"copy.bin");
    file = ::_wfopen(copy.c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(tag.writeTag(file));
    ::fclose(file);
    EXPECT_EQ(readFileBytes(copy), tagged);

    writeBytes(path, kAudio);
    file = ::_wfopen(path.c_str(), L"rb");
    ASSERT_NE(file, nullptr);
    EXPECT_FALSE(tag.read(file));
    EXPECT_EQ(::ftell(file), 0);
    ::fclose(file);
}
