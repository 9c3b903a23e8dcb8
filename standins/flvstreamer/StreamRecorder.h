// Records one "stream" into the output file, reporting progress as the real recorder
// does on its standard error.
#pragma once

#include <functional>
#include <string>

#include "standins/flvstreamer/StreamerOptions.h"

// Exit codes of the recorder.
enum StreamerExit { kStreamerSuccess = 0, kStreamerFailed = 1, kStreamerIncomplete = 2 };

// Copies the stream to options.outputPath (created or truncated). A source that can't be
// opened leaves no output file and answers kStreamerFailed; a read or write that fails
// half-way keeps what was recorded and answers kStreamerIncomplete. `report` gets the
// progress texts (lines ending in "\n", progress steps in "\r").
int recordStream(const StreamerOptions& options, const std::function<void(const std::wstring&)>& report);
