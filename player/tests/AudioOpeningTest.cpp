// Opening files: streams belong to an initialised device (the no-sound device serves
// decoding), MP3 files open behind junk before their first frame, and the WMA plug-in
// reads its files as they play instead of decoding them whole at open.
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "player/audio/BassFunctions.h"
#include "player/audio/BassSystem.h"
#include "player/tests/AudioTestSupport.h"
#include "testsupport/TestWindows.h"

namespace {

using AudioOpeningTest = AudioPlayerTest;

constexpr DWORD kDecodeFlags = BASS_UNICODE | BASS_STREAM_DECODE | BASS_STREAM_PRESCAN;

std::vector<char> readBytes(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::wstring& path, const std::vector<char>& head, const std::vector<char>& body) {
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(head.data(), static_cast<std::streamsize>(head.size()));
    out.write(body.data(), static_cast<std::streamsize>(body.size()));
}

TEST_F(AudioOpeningTest, StreamsNeedAnInitialisedDeviceAndTheNoSoundDeviceDecodes) {
    const std::wstring ogg = audioFixture(L"tone440-3s.ogg");
    ASSERT_TRUE(bass::BASS_Free());
    EXPECT_EQ(0u, bass::BASS_StreamCreateFile(FALSE, ogg.c_str(), 0, 0, kDecodeFlags));
    EXPECT_EQ(BASS_ERROR_INIT, bass::BASS_ErrorGetCode());
    // Without an output device opening fails silently.
    EXPECT_FALSE(mPlayer->open(ogg));
    EXPECT_TRUE(takeShownMessages().empty());

    ASSERT_TRUE(bass::BASS_Init(0, 44100, 0, nullptr, nullptr));
    EXPECT_EQ(0u, bass::BASS_GetDevice());
    DecodedAudio audio = decodeFile(ogg);
    EXPECT_EQ(kToneFrames, audio.frames());
    ASSERT_TRUE(mPlayer->open(ogg));
    EXPECT_EQ(kToneMilliseconds, mPlayer->getLength());
    EXPECT_FALSE(mPlayer->play());  // nothing to play on
    std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_NE(std::wstring::npos, shown[0].text.find(L"(error code: 37)"));
}

TEST_F(AudioOpeningTest, Mp3FilesOpenBehindBytesBeforeTheirFirstFrame) {
    TempDirectory temp;
    std::vector<char> mp3 = readBytes(audioFixture(L"tone440-3s.mp3"));
    ASSERT_FALSE(mp3.empty());
    // Junk with stray sync bytes in it, the zeros a tagger leaves, and a tag followed by
    // padding that its size does not cover.
    std::vector<char> junk(3001);
    unsigned seed = 7;
    for (char& c : junk) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>((seed >> 16) % 5 == 0 ? 0xFF : (seed >> 8) & 0xFF);
    }
    std::vector<char> zeros(12000, 0);
    std::vector<char> tagged = {'I', 'D', '3', 3, 0, 0, 0, 0, 0, 20};
    tagged.resize(10 + 20 + 4000, 0);
    struct Case {
        const wchar_t* name;
        std::vector<char> head;
    };
    for (const Case& c : {Case{L"junk.mp3", junk}, Case{L"zeros.mp3", zeros}, Case{L"tagged.mp3", tagged}}) {
        SCOPED_TRACE(std::string(c.name, c.name + wcslen(c.name)));
        std::wstring path = temp.file(c.name);
        writeBytes(path, c.head, mp3);
        ASSERT_TRUE(mPlayer->open(path));
        EXPECT_EQ(kToneMilliseconds, mPlayer->getLength());
        DecodedAudio audio = decodeFile(path);
        EXPECT_EQ(kToneFrames, audio.frames());
        EXPECT_NEAR(440.0, measureFrequency(audio.samples, 2, 44100), 2.0);
    }
    // Beyond what is looked through, the file is not taken for MP3.
    std::wstring distant = temp.file(L"far.mp3");
    writeBytes(distant, std::vector<char>(40000, 0), mp3);
    EXPECT_FALSE(mPlayer->open(distant));
    EXPECT_TRUE(takeShownMessages().empty());
}

TEST_F(AudioOpeningTest, TheWmaPluginDecodesEveryWindowsMediaAudioCodec) {
    // Test media of WMA Pro, Lossless and Voice cannot be made here (there is no encoder
    // for them): the plug-in says which decoders it was built with.
    HMODULE plugin = ::GetModuleHandleW(L"basswma.dll");
    ASSERT_NE(nullptr, plugin);
    using Names = const char*(WINAPI*)();
    auto names = reinterpret_cast<Names>(reinterpret_cast<void*>(::GetProcAddress(plugin, "BassStandin_WmaDecoders")));
    ASSERT_NE(nullptr, names);
    std::string list = std::string(" ") + names() + " ";
    for (const char* codec : {" wmav1 ", " wmav2 ", " wmapro ", " wmalossless ", " wmavoice "}) {
        EXPECT_NE(std::string::npos, list.find(codec)) << codec << " missing from" << list;
    }
}

TEST_F(AudioOpeningTest, WmaDecodedAsItIsReadHasTheWholeDecodeLengthAndContent) {
    // 64 packets of one 2048-frame block each, less the two the decoder drops at its
    // start, plus the one it gives from the overlap at the end, as a whole decode gives.
    const std::wstring path = audioFixture(L"tone440-3s.wma");
    DecodedAudio whole = decodeFile(path);
    ASSERT_EQ(131072u, whole.frames());
    // The last block is the decoder's, not silence made up to the length.
    std::vector<short> tail(whole.samples.end() - 4096, whole.samples.end());
    EXPECT_GT(measureRms(tail, 2), 1000.0);

    DWORD stream = bass::BASS_StreamCreateFile(FALSE, path.c_str(), 0, 0, kDecodeFlags);
    ASSERT_NE(0u, stream);
    EXPECT_EQ(131072u * 4, bass::BASS_ChannelGetLength(stream, BASS_POS_BYTE));
    // Seeks back and forth, inside the first blocks and up to the end, give what the
    // whole decode has there.
    for (QWORD frame : {QWORD(100000), QWORD(3), QWORD(5000), QWORD(131000), QWORD(0)}) {
        SCOPED_TRACE(frame);
        ASSERT_TRUE(bass::BASS_ChannelSetPosition(stream, frame * 4, BASS_POS_BYTE));
        std::vector<short> block(2000 * 2);
        DWORD got = bass::BASS_ChannelGetData(stream, block.data(), static_cast<DWORD>(block.size() * 2));
        size_t expected = static_cast<size_t>(std::min<QWORD>(2000, 131072 - frame));
        ASSERT_EQ(expected * 4, got);
        int worst = 0;
        for (size_t i = 0; i < expected * 2; ++i) {
            worst = std::max(worst, std::abs(block[i] - whole.samples[frame * 2 + i]));
        }
        EXPECT_LE(worst, 2);
    }
    EXPECT_FALSE(bass::BASS_ChannelSetPosition(stream, 131073u * 4, BASS_POS_BYTE));
    bass::BASS_StreamFree(stream);
}

}  // namespace
