// The mutation harness's PDIC seeds are this writer's output, kept small: the test checks
// that they still are, and writes them afresh when CORVANTA_WRITE_PDIC_SEEDS is set.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "testsupport/TestFiles.h"
#include "words/tests/PdicTestData.h"

TEST(PdicSeedFiles, AreTheWritersOutput) {
    std::vector<PdicEntry> entries = englishDictionary(24);
    entries.push_back({L"b\x00E9" L"b\x00E9", L"\xD83D\xDE00", L"", L"", 0, ""});
    struct Seed {
        const wchar_t* name;
        PdicWriterOptions options;
    };
    PdicWriterOptions shiftJis;
    shiftJis.blockSize = 64;
    PdicWriterOptions bocu1 = shiftJis;
    bocu1.bocu1 = true;
    bocu1.wideLengths = true;
    PdicWriterOptions packed = shiftJis;
    packed.version = 0x0400;
    packed.signatureOffset = 24;
    packed.wideBlockNumbers = true;
    packed.extHeader = 16;
    const Seed seeds[] = {{L"shiftjis-v6.dic", shiftJis}, {L"bocu1-v6.dic", bocu1}, {L"packed-v4.dic", packed}};
    const std::wstring folder = std::wstring(TEST_FIXTURES_DIR) + L"\\..\\..\\..\\fuzz\\seeds\\pdic\\";
    const bool write = std::getenv("CORVANTA_WRITE_PDIC_SEEDS") != nullptr;
    for (const Seed& seed : seeds) {
        const std::string bytes = writePdic(entries, seed.options);
        if (write) {
            ASSERT_TRUE(writeBytesFile(folder + seed.name, bytes));
        }
        EXPECT_EQ(readFileBytes(folder + seed.name), bytes) << seed.name;
    }
}
