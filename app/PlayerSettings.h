// The player's own values in the settings file: what the main window reads when it is
// created and writes when it closes. A plain model; the window moves the values into and
// out of its controls.
#pragma once

#include <string>

struct PlayerSettings {
    int tempo = 100;
    int volume = 100;
    int fontSize = 20;
    bool alwaysOnTop = false;
    bool explanationPaneVisible = false;

    // Ranges of the controls the values go to; a hand-edited file can hold anything.
    static constexpr int kMinTempo = 50, kMaxTempo = 360;
    static constexpr int kMinVolume = 0, kMaxVolume = 100;
    static constexpr int kMinFontSize = 8, kMaxFontSize = 32;

    // Reads every key, with the defaults above for missing ones.
    void load(const std::wstring& iniPath);
    // Writes "Tempo", "Volume", "FontSize", "ExplanationPaneVisibility" and "AlwaysOnTop",
    // in that order; false when a write failed.
    bool save(const std::wstring& iniPath) const;
};
