// Which files the player lists and opens.
#pragma once

#include <string>

// The extension is ".mp3", ".ogg" or ".wma", in any case.
bool isSupportedAudioFile(const std::wstring& path);
// The extension is ".m3u", in any case.
bool isPlayListPath(const std::wstring& path);
