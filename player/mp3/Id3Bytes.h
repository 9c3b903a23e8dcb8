// The integer and byte forms of ID3v2 tags: big-endian and syncsafe numbers, and the
// unsynchronisation scheme that keeps tag bytes from looking like MPEG frame syncs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The integer whose n bytes (2, 3 or 4) stand in file order, most significant first; 0
// for any other n.
uint32_t decodeBigEndian(const uint8_t* bytes, int n);
// Seven bits per byte, most significant first (the high bit of each byte ignored).
uint32_t decodeSyncsafe(const uint8_t bytes[4]);
// Whether the four bytes are a well-formed syncsafe number (no byte has its high bit).
bool isSyncsafe(const uint8_t bytes[4]);

// The largest number four syncsafe bytes hold.
constexpr uint32_t kMaxSyncsafe = (1u << 28) - 1;

void appendBigEndian(std::string& out, uint32_t value, int n);
// A value up to kMaxSyncsafe as four bytes of seven bits.
void appendSyncsafe(std::string& out, uint32_t value);

// Every FF 00 pair becomes FF: the bytes as the writer had them before unsynchronising.
std::vector<uint8_t> undoUnsynchronisation(const uint8_t* data, size_t size);
