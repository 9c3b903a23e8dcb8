#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "downloaders/flv/FlvAudioExtractor.h"
#include "downloaders/flv/FlvInput.h"
#include "downloaders/tests/FlvTestSupport.h"

namespace {

const uint8_t kMp3Format = 0x2E;  // MP3, 22 kHz, 16 bit, mono
const int kVideo = 9;
const int kScript = 18;

struct Extraction {
    FlvExtractResult result;
    std::string audio;
};

Extraction extract(const std::string& flv) {
    MemoryFlvInput input(reinterpret_cast<const uint8_t*>(flv.data()), flv.size());
    Extraction out;
    out.result = FlvAudioExtractor::extract(input, [&out](const uint8_t* data, size_t size) {
        out.audio.append(reinterpret_cast<const char*>(data), size);
        return true;
    });
    return out;
}

}  // namespace

TEST(FlvAudioExtractor, JoinsAudioPayloadsInFileOrderAndSkipsOtherTags) {
    std::string flv = flvHeader() + flvTag(kScript, 2, "onMetaData...") + flvTag(8, kMp3Format, "one-") +
                      flvTag(kVideo, 0x17, std::string(300, 'v')) + flvTag(8, kMp3Format, "two-", 26) +
                      flvTag(kVideo, 0x27, "frame") + flvTag(8, kMp3Format, "three");
    Extraction got = extract(flv);
    EXPECT_EQ(FlvExtractResult::Copied, got.result);
    EXPECT_EQ("one-two-three", got.audio);  // the sound-format bytes are not copied
}

TEST(FlvAudioExtractor, OnlyVersionOneIsAnFlv) {
    std::string tags = flvTag(8, kMp3Format, "audio");
    EXPECT_EQ(FlvExtractResult::NotFlv, extract(flvHeader(2) + tags).result);
    EXPECT_EQ(FlvExtractResult::NotFlv, extract("FLX\x01" + flvHeader().substr(4) + tags).result);
    EXPECT_EQ(FlvExtractResult::NotFlv, extract("FL").result);
    EXPECT_EQ(FlvExtractResult::NotFlv, extract("").result);
}

TEST(FlvAudioExtractor, FileWithoutAudioGivesNothing) {
    Extraction got = extract(flvHeader() + flvTag(kScript, 2, "meta") + flvTag(kVideo, 0x17, "picture"));
    EXPECT_EQ(FlvExtractResult::Copied, got.result);
    EXPECT_EQ("", got.audio);
    EXPECT_EQ(FlvExtractResult::Copied, extract(flvHeader()).result);
}

TEST(FlvAudioExtractor, ReadsTagsFromByteNineWhateverSizeTheHeaderClaims) {
    // The claimed size is not followed: the first previous-tag size is read at byte 9.
    std::string header = flvHeader(1, 9);
    header[8] = 13;  // claimed size; no padding follows
    Extraction got = extract(header + flvTag(8, kMp3Format, "sound"));
    EXPECT_EQ("sound", got.audio);
}

TEST(FlvAudioExtractor, EndsAtEmptyTagOrNegativePreviousTagSize) {
    std::string emptyTag = flvTag(8, kMp3Format, "");
    emptyTag[3] = 0;  // data size 0: not even the format byte
    EXPECT_EQ("a", extract(flvHeader() + flvTag(8, kMp3Format, "a") + emptyTag.substr(0, 11) +
                           flvTag(8, kMp3Format, "b")).audio);

    std::string negative = flvTag(8, kMp3Format, "a");
    negative[negative.size() - 4] = '\x80';
    EXPECT_EQ("a", extract(flvHeader() + negative + flvTag(8, kMp3Format, "b")).audio);
}

TEST(FlvAudioExtractor, TagCutByTheEndGivesOnlyTheBytesThatAreThere) {
    const size_t payloadSize = 200000;  // several copy blocks
    std::string whole = flvHeader() + flvTag(8, kMp3Format, "first") + flvTag(8, kMp3Format, std::string(payloadSize, 'x'));
    const size_t secondPayloadStart = 13 + (11 + 1 + 5 + 4) + (11 + 1);
    for (size_t cut : {whole.size() - 4, whole.size() - 5, whole.size() - 100000, secondPayloadStart + 7,
                       secondPayloadStart}) {
        Extraction got = extract(whole.substr(0, cut));
        EXPECT_EQ(FlvExtractResult::Copied, got.result);
        size_t present = std::min(payloadSize, cut - secondPayloadStart);
        EXPECT_EQ("first" + std::string(present, 'x'), got.audio) << "cut at " << cut;
    }
}

TEST(FlvAudioExtractor, SinkRefusingBytesStopsTheWalk) {
    std::string flv = flvHeader() + flvTag(8, kMp3Format, "a") + flvTag(8, kMp3Format, "b");
    MemoryFlvInput input(reinterpret_cast<const uint8_t*>(flv.data()), flv.size());
    int calls = 0;
    EXPECT_EQ(FlvExtractResult::WriteFailed, FlvAudioExtractor::extract(input, [&calls](const uint8_t*, size_t) {
                  ++calls;
                  return false;
              }));
    EXPECT_EQ(1, calls);
}

TEST(FlvAudioExtractor, NumbersReadBigEndianWithMissingBytesAsZero) {
    const uint8_t bytes[] = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC};
    MemoryFlvInput input(bytes, sizeof(bytes));
    EXPECT_EQ(0x123456u, FlvAudioExtractor::readUInt24(input));
    EXPECT_EQ(0x789ABC00u, FlvAudioExtractor::readUInt32(input));
    EXPECT_TRUE(input.atEnd());
    EXPECT_EQ(0u, FlvAudioExtractor::readUInt32(input));
}

TEST(FlvAudioExtractor, TagHeadFieldsAreReadInTheirOrder) {
    std::string tag = flvTag(8, kMp3Format, "xyz", 0x01020304);
    tag[10] = 0x07;  // stream id
    MemoryFlvInput input(reinterpret_cast<const uint8_t*>(tag.data()), tag.size());
    FlvTagRecord record;
    ASSERT_TRUE(FlvAudioExtractor::readTag(input, record));
    EXPECT_EQ(8, record.type);
    EXPECT_EQ(4, record.dataSize);
    EXPECT_EQ(0x02030401, record.timestamp);  // 24-bit time, then its extension byte
    EXPECT_EQ(7, record.streamId);
    EXPECT_EQ(kMp3Format, record.firstDataByte);
}
