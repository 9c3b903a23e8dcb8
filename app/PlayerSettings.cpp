#include "app/PlayerSettings.h"

#include <algorithm>

#include "player/settings/Settings.h"

namespace {

const wchar_t* const kPlayer = L"Player";
const wchar_t* const kWindow = L"Window";

}  // namespace

void PlayerSettings::load(const std::wstring& iniPath) {
    const PlayerSettings defaults;
    tempo = std::clamp(readIniInt(iniPath, kPlayer, L"Tempo", defaults.tempo), kMinTempo, kMaxTempo);
    volume = std::clamp(readIniInt(iniPath, kPlayer, L"Volume", defaults.volume), kMinVolume, kMaxVolume);
    fontSize = std::clamp(readIniInt(iniPath, kPlayer, L"FontSize", defaults.fontSize), kMinFontSize, kMaxFontSize);
    alwaysOnTop = readIniInt(iniPath, kWindow, L"AlwaysOnTop", 0) != 0;
    explanationPaneVisible = readIniInt(iniPath, kPlayer, L"ExplanationPaneVisibility", 0) != 0;
}

bool PlayerSettings::save(const std::wstring& iniPath) const {
    bool ok = writeIniInt(iniPath, kPlayer, L"Tempo", tempo);
    ok = writeIniInt(iniPath, kPlayer, L"Volume", volume) && ok;
    ok = writeIniInt(iniPath, kPlayer, L"FontSize", fontSize) && ok;
    ok = writeIniInt(iniPath, kPlayer, L"ExplanationPaneVisibility", explanationPaneVisible ? 1 : 0) && ok;
    return writeIniInt(iniPath, kWindow, L"AlwaysOnTop", alwaysOnTop ? 1 : 0) && ok;
}
