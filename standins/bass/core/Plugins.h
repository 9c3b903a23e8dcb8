// Decoder plug-ins loaded with BASS_PluginLoad: files that none of the built-in decoders
// take are offered to each plug-in in turn.
#pragma once

#include <memory>
#include <string>

#include "player/audio/BassTypes.h"
#include "standins/bass/core/Decoder.h"

HPLUGIN loadPlugin(const std::wstring& path);
bool freePlugin(HPLUGIN handle);
std::unique_ptr<Decoder> openWithPlugins(const std::wstring& path);
