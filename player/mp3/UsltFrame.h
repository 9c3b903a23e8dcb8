// The unsynchronised-lyrics frame (USLT; "ULT" in version 2.2 tags): one text of lyrics
// after an encoding byte, a language and a content descriptor.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The lyrics text of a USLT payload; empty when there is none. The descriptor is
// skipped; a frame whose descriptor is never ended holds its text in that place.
std::wstring parseUsltPayload(const uint8_t* data, size_t size);
