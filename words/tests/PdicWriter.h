// Writes small PDIC dictionaries for tests and benchmarks: a header, an index of block
// groups and front-compressed records, in Shift_JIS or BOCU-1.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PdicEntry {
    std::wstring headword;
    std::wstring body;
    std::wstring example;
    std::wstring pronunciation;
    int level = 0;
    std::string binary;  // a binary field the reader skips
};

struct PdicWriterOptions {
    bool bocu1 = false;
    int version = 0x0600;       // 0x04xx stores the header packed
    int blockSize = 1024;
    int headerSize = 256;
    uint32_t extHeader = 0;     // spare bytes between the index and the data
    bool wideBlockNumbers = false;
    bool wideLengths = false;   // 32-bit field lengths in every group
    int signatureOffset = 13;
};

// The dictionary file's bytes. Entries are sorted by the writer as the reader compares
// headwords (UTF-16 units for BOCU-1, code page 932 bytes otherwise).
std::string writePdic(std::vector<PdicEntry> entries, const PdicWriterOptions& options);
bool writePdicFile(const std::wstring& path, const std::vector<PdicEntry>& entries,
                   const PdicWriterOptions& options);
bool writeBytesFile(const std::wstring& path, const std::string& bytes);

// Little-endian stores into a byte string, for tests that damage a file.
void putU16(std::string& bytes, size_t offset, uint32_t value);
void putU32(std::string& bytes, size_t offset, uint32_t value);
