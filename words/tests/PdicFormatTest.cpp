#include <gtest/gtest.h>

#include "testsupport/TestWindows.h"
#include "words/pdic/PDicReader.h"
#include "words/tests/PdicTestData.h"

namespace {

std::vector<PdicEntry> smallDictionary() { return englishDictionary(300); }

int openBytes(CPDicReader& reader, const TempDirectory& temp, const std::string& bytes) {
    const std::wstring path = temp.file(L"test.dic");
    if (!writeBytesFile(path, bytes)) return -2;
    return reader.open(path);
}

int countHits(CPDicReader& reader, const std::wstring& key, bool exact) {
    int more = 0;
    return reader.search(key, exact, 0, more);
}

}  // namespace

TEST(PdicFormat, HeaderLayoutsThatOpen) {
    TempDirectory temp;
    PdicWriterOptions packed;
    packed.version = 0x0400;  // fields packed from byte 167 on
    packed.signatureOffset = 24;
    packed.extHeader = 300;
    packed.wideBlockNumbers = true;
    packed.blockSize = 256;
    PdicWriterOptions wide;
    wide.bocu1 = true;
    wide.version = 0x0501;
    wide.wideLengths = true;
    wide.headerSize = 1024;
    for (const PdicWriterOptions& options : {packed, wide}) {
        CPDicReader reader;
        ASSERT_EQ(openBytes(reader, temp, writePdic(smallDictionary(), options)), 0);
        EXPECT_EQ(reader.getMajorVersion(), options.version >> 8);
        EXPECT_EQ(countHits(reader, L"ice", false), 3);
        EXPECT_EQ(countHits(reader, L"study", true), 1);
    }
}

TEST(PdicFormat, FilesThatAreNotDictionariesOfThisKindFail) {
    TempDirectory temp;
    const std::string good = writePdic(smallDictionary(), PdicWriterOptions());
    CPDicReader reader;
    std::string old = good;
    putU16(old, 140, 0x0300);
    EXPECT_EQ(openBytes(reader, temp, old), -1) << "version 3";
    std::string negative = good;
    putU16(negative, 140, 0xFF00);
    EXPECT_EQ(openBytes(reader, temp, negative), -1) << "a negative version";
    std::string moved = good;
    moved[13] = 'x';
    EXPECT_EQ(openBytes(reader, temp, moved), -1) << "no signature at 13 or 24";
    for (const uint32_t size : {0u, 1025u, 0x8000u}) {
        std::string blocks = good;
        putU16(blocks, 146, size);
        EXPECT_EQ(openBytes(reader, temp, blocks), -1) << "block size " << size;
        std::string header = good;
        putU16(header, 150, size);
        EXPECT_EQ(openBytes(reader, temp, header), -1) << "header size " << size;
    }
    EXPECT_EQ(openBytes(reader, temp, good.substr(0, 255)), -1) << "a short header";
    EXPECT_EQ(reader.open(temp.file(L"missing.dic")), -1);
    EXPECT_FALSE(reader.isOpen());

    ASSERT_EQ(openBytes(reader, temp, good), 0);
    EXPECT_EQ(reader.open(temp.file(L"test.dic")), -1) << "already open";
    reader.close();
    EXPECT_FALSE(reader.isOpen());
    int more = 0;
    EXPECT_EQ(reader.search(L"ice", false, 0, more), 0) << "a closed reader finds nothing";
}

// Bodies longer than 16-bit lengths can hold come out whole, in both encodings.
TEST(PdicFormat, LongBodiesComeOutWhole) {
    TempDirectory temp;
    std::wstring body;
    for (int i = 0; body.size() < 70000; ++i) body += L"line " + std::to_wstring(i) + L" \x884C\r\n";
    for (const bool bocu1 : {false, true}) {
        PdicWriterOptions options;
        options.bocu1 = bocu1;
        options.wideLengths = true;
        std::vector<PdicEntry> entries = smallDictionary();
        entries.push_back({L"long", body, L"", L"", 0, ""});
        CPDicReader reader;
        ASSERT_EQ(openBytes(reader, temp, writePdic(entries, options)), 0);
        int more = 0;
        ASSERT_EQ(reader.search(L"long", true, 30, more), 1);
        PDicHitTexts texts;
        PDicTextLimits limits;
        limits.body = 200000;
        ASSERT_EQ(reader.getHit(0, texts, limits), 0);
        EXPECT_EQ(texts.body, body) << (bocu1 ? "BOCU-1" : "Shift_JIS");
        // The record after the long one is still found.
        EXPECT_EQ(countHits(reader, L"ice", false), 3);
    }
}

TEST(PdicFormat, TextLimitsEmptyShiftJisAndCutBocu1) {
    TempDirectory temp;
    std::vector<PdicEntry> entries = smallDictionary();
    entries.push_back({L"long", std::wstring(3000, L'x'), L"", L"", 0, ""});
    for (const bool bocu1 : {false, true}) {
        PdicWriterOptions options;
        options.bocu1 = bocu1;
        options.blockSize = 1024;
        CPDicReader reader;
        ASSERT_EQ(openBytes(reader, temp, writePdic(entries, options)), 0);
        int more = 0;
        ASSERT_EQ(reader.search(L"long", true, 30, more), 1);
        PDicHitTexts texts;
        ASSERT_EQ(reader.getHit(0, texts), 0);
        EXPECT_EQ(texts.body, bocu1 ? std::wstring(2999, L'x') : std::wstring()) << bocu1;
        PDicTextLimits roomy;
        roomy.body = 3001;
        ASSERT_EQ(reader.getHit(0, texts, roomy), 0);
        EXPECT_EQ(texts.body.size(), 3000u);
    }
}

TEST(PdicFormat, PronunciationSymbolsReplaceUnits) {
    TempDirectory temp;
    PronunciationSymbols symbols = {};
    symbols[static_cast<int>('@')][0] = 0x0259;
    symbols[static_cast<int>('\'')][0] = 0x02C8;
    symbols[static_cast<int>('a')][0] = L'a';
    symbols[static_cast<int>('a')][1] = 0x02D0;
    for (const bool bocu1 : {false, true}) {
        PdicWriterOptions options;
        options.bocu1 = bocu1;
        CPDicReader reader;
        ASSERT_EQ(openBytes(reader, temp, writePdic(smallDictionary(), options)), 0);
        int more = 0;
        ASSERT_EQ(reader.search(L"apply", true, 30, more), 1);
        PDicHitTexts texts;
        ASSERT_EQ(reader.getHit(0, texts, PDicTextLimits(), &symbols), 0);
        EXPECT_EQ(texts.pronunciation, L"\x0259pl\x02C8" L"a\x02D0i");
    }
}

// Counts and offsets from the file are checked against it; a damaged file fails cleanly.
TEST(PdicFormat, IndexCountsLargerThanTheFileAreNotTrusted) {
    TempDirectory temp;
    std::string bytes = writePdic(smallDictionary(), PdicWriterOptions());
    putU32(bytes, 192, 0xFFFFFFFF);
    CPDicReader reader;
    ASSERT_EQ(openBytes(reader, temp, bytes), 0);
    EXPECT_EQ(countHits(reader, L"ice", false), 3);
    EXPECT_EQ(countHits(reader, L"zz", false), 0);
}

TEST(PdicFormat, BlockNumbersAreOffsetsIn64Bits) {
    TempDirectory temp;
    PdicWriterOptions options;
    options.wideBlockNumbers = true;
    std::string bytes = writePdic(smallDictionary(), options);
    // Block 0x400000 of 1024 bytes is 4 GiB on: in 32 bits it would wrap to block 0.
    putU32(bytes, 256, 0x400000);
    CPDicReader reader;
    ASSERT_EQ(openBytes(reader, temp, bytes), 0);
    EXPECT_EQ(countHits(reader, L"apple", true), 0);
    int more = 0;
    EXPECT_EQ(reader.search(L"a", false, 0, more), 0);
}

TEST(PdicFormat, DamagedRecordsEndTheirGroup) {
    TempDirectory temp;
    const std::string good = writePdic(smallDictionary(), PdicWriterOptions());
    const size_t dataStart = 256 + 1024 * static_cast<size_t>(static_cast<unsigned char>(good[148]));
    struct Damage {
        const char* what;
        size_t offset;
        std::string bytes;
    };
    const Damage damages[] = {
        {"a field length past the group", dataStart + 2, std::string("\xFF\xFF", 2)},
        {"a shared count longer than the previous headword", dataStart + 4, std::string("\x40", 1)},
        {"a group of 0 blocks", dataStart, std::string("\x00\x00", 2)},
        {"no terminator in the headword", dataStart + 5, std::string(40, 'a')},
    };
    for (const Damage& damage : damages) {
        std::string bytes = good;
        bytes.replace(damage.offset, damage.bytes.size(), damage.bytes);
        CPDicReader reader;
        ASSERT_EQ(openBytes(reader, temp, bytes), 0) << damage.what;
        EXPECT_EQ(countHits(reader, L"apple", true), 0) << damage.what;
        EXPECT_EQ(countHits(reader, L"study", true), 1) << damage.what << ": other groups still read";
    }
    // A group claiming more blocks than the file holds reads what is there.
    std::string huge = good;
    putU16(huge, dataStart, 0x7FFF);
    CPDicReader reader;
    ASSERT_EQ(openBytes(reader, temp, huge), 0);
    EXPECT_EQ(countHits(reader, L"apple", true), 1);
    reader.close();
    // A file cut short in its data reads what is there.
    ASSERT_EQ(openBytes(reader, temp, good.substr(0, dataStart + 1024 + 10)), 0);
    EXPECT_EQ(countHits(reader, L"apple", true), 1);
    EXPECT_EQ(countHits(reader, L"study", true), 0);
}
