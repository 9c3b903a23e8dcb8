// The handle table: channels by handle, shared so that a call in progress keeps its
// channel alive while another thread frees it.
#pragma once

#include <memory>
#include <vector>

#include "player/audio/BassTypes.h"
#include "standins/bass/core/Channel.h"

DWORD registerChannel(std::shared_ptr<Channel> channel);
std::shared_ptr<Channel> findChannel(DWORD handle);
// Takes the channel out of the table; it is freed when the last user lets go.
std::shared_ptr<Channel> unregisterChannel(DWORD handle);
std::vector<std::shared_ptr<Channel>> unregisterAllChannels();
