#include <gtest/gtest.h>

#include <string>

#include "foundation/encoding/StringConversion.h"
#include "foundation/encoding/TextFile.h"
#include "app/PlayerSettings.h"
#include "player/settings/Settings.h"
#include "player/tests/SettingsTestSupport.h"

namespace {

std::string fileBytes(const std::wstring& path) {
    std::string bytes;
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    ::CloseHandle(file);
    return bytes;
}

}  // namespace

TEST(ProgramBaseName, IsTheNameAfterTheLastSeparatorWithoutItsExtension) {
    const struct {
        const wchar_t* path;
        const wchar_t* name;
    } cases[] = {
        {L"C:\\Program Files\\Corvanta\\Corvanta.exe", L"Corvanta"},
        {L"Corvanta.exe", L"Corvanta"},
        {L"Corvanta", L"Corvanta"},
        {L"C:\\tools\\my.player.exe", L"my.player"},
        // A "." in a folder is no extension of a name that has none.
        {L"C:\\v1.2\\Corvanta", L"Corvanta"},
        {L"Z:/work/build.run/Corvanta", L"Corvanta"},
        {L"Z:/work/run/Copy.exe", L"Copy"},
        {L"", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(programBaseNameOf(c.path), c.name) << c.path;
}

TEST(PlayerSettingsFile, MissingFileGivesTheDefaults) {
    SettingsFolder folder;
    PlayerSettings settings;
    settings.tempo = 77;
    settings.alwaysOnTop = true;
    settings.load(folder.file(L"none.ini"));
    EXPECT_EQ(settings.tempo, 100);
    EXPECT_EQ(settings.volume, 100);
    EXPECT_EQ(settings.fontSize, 20);
    EXPECT_FALSE(settings.alwaysOnTop);
    EXPECT_FALSE(settings.explanationPaneVisible);
}

TEST(PlayerSettingsFile, EveryValueComesBackFromAFileInAJapaneseFolder) {
    SettingsFolder folder;
    const std::wstring ini = folder.file(L"\u8A2D\u5B9A.ini");
    PlayerSettings saved;
    saved.tempo = 150;
    saved.volume = 35;
    saved.fontSize = 28;
    saved.alwaysOnTop = true;
    saved.explanationPaneVisible = true;
    ASSERT_TRUE(saved.save(ini));
    PlayerSettings loaded;
    loaded.load(ini);
    EXPECT_EQ(loaded.tempo, 150);
    EXPECT_EQ(loaded.volume, 35);
    EXPECT_EQ(loaded.fontSize, 28);
    EXPECT_TRUE(loaded.alwaysOnTop);
    EXPECT_TRUE(loaded.explanationPaneVisible);

    // The keys and sections other programs and the frame read, written in the close order.
    std::wstring text;
    ASSERT_NE(readTextFile(ini, text, kEncodingUndefined), -1);
    const size_t tempo = text.find(L"Tempo=150");
    const size_t volume = text.find(L"Volume=35");
    const size_t font = text.find(L"FontSize=28");
    const size_t pane = text.find(L"ExplanationPaneVisibility=1");
    const size_t window = text.find(L"[Window]");
    const size_t top = text.find(L"AlwaysOnTop=1");
    ASSERT_NE(top, std::wstring::npos) << text;
    EXPECT_TRUE(text.find(L"[Player]") < tempo && tempo < volume && volume < font && font < pane && pane < window &&
                window < top)
        << text;

    saved.alwaysOnTop = false;
    saved.explanationPaneVisible = false;
    ASSERT_TRUE(saved.save(ini));
    loaded.load(ini);
    EXPECT_FALSE(loaded.alwaysOnTop);
    EXPECT_FALSE(loaded.explanationPaneVisible);
}

TEST(PlayerSettingsFile, ValuesOutsideTheControlsRangesAreBroughtIn) {
    SettingsFolder folder;
    const std::wstring ini = folder.file(L"edited.ini");
    writeIniInt(ini, L"Player", L"Tempo", 5000);
    writeIniInt(ini, L"Player", L"Volume", -20);
    writeIniInt(ini, L"Player", L"FontSize", 0);
    writeIniInt(ini, L"Window", L"AlwaysOnTop", 7);
    PlayerSettings settings;
    settings.load(ini);
    EXPECT_EQ(settings.tempo, 360);
    EXPECT_EQ(settings.volume, 0);
    EXPECT_EQ(settings.fontSize, 8);
    EXPECT_TRUE(settings.alwaysOnTop) << "any value but 0 turns it on";
}

TEST(SettingsFileText, ANewFileKeepsTextOutsideTheAnsiCodePage) {
    SettingsFolder folder;
    const std::wstring ini = folder.file(L"new.ini");
    // Latin accents, the wave dash and Hangul have no Shift_JIS form.
    const std::wstring value = L"C:\\caf\u00E9\\\u301C\\\uD55C\\\u97F3\u58F0.mp3";
    ASSERT_TRUE(writeIniString(ini, L"RecentFileManager", L"RecentFile0", value));
    EXPECT_EQ(readIniString(ini, L"RecentFileManager", L"RecentFile0", L""), value);
    EXPECT_EQ(fileBytes(ini).substr(0, 2), std::string("\xFF\xFE", 2));
}

TEST(SettingsFileText, AnAnsiFileIsConvertedWithItsContentOnTheNextWrite) {
    SettingsFolder folder;
    const std::wstring ini = folder.file(L"old.ini");
    const std::wstring japanese = L"C:\\\u82F1\u8A9E\\\u30CB\u30E5\u30FC\u30B9.mp3";
    const std::wstring old = L"[Player]\r\nTempo=120\r\n[RecentFileManager]\r\nRecentFile0=" + japanese + L"\r\n";
    ASSERT_TRUE(writeWholeFile(ini, encodeWide(932, old.c_str(), old.size())));
    ASSERT_EQ(readIniString(ini, L"RecentFileManager", L"RecentFile0", L""), japanese) << "read in code page 932";

    const std::wstring accented = L"C:\\r\u00E9sum\u00E9.mp3";
    ASSERT_TRUE(writeIniString(ini, L"RecentFileManager", L"RecentFile1", accented));
    EXPECT_EQ(fileBytes(ini).substr(0, 2), std::string("\xFF\xFE", 2));
    EXPECT_EQ(readIniString(ini, L"RecentFileManager", L"RecentFile0", L""), japanese);
    EXPECT_EQ(readIniString(ini, L"RecentFileManager", L"RecentFile1", L""), accented);
    EXPECT_EQ(readIniInt(ini, L"Player", L"Tempo", 100), 120);
}
