#include "words/tests/PdicWriter.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "foundation/encoding/StringConversion.h"
#include "words/tests/Bocu1Encoder.h"

namespace {

const char kSignature[] = "=============== Dictionary for PDIC ===============";

struct Encoded {
    std::string headword;
    std::string rest;  // body and fields, as they follow the attribute or headword
    uint8_t attribute = 0;
};

std::string encodeText(const std::wstring& text, bool bocu1) {
    return bocu1 ? encodeBocu1(text) : encodeWide(932, text.c_str(), text.size());
}

void appendLength(std::string& out, size_t value, bool wide) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
    if (wide) {
        out += static_cast<char>((value >> 16) & 0xFF);
        out += static_cast<char>((value >> 24) & 0xFF);
    }
}

Encoded encodeEntry(const PdicEntry& entry, const PdicWriterOptions& options) {
    Encoded e;
    e.headword = encodeText(entry.headword, options.bocu1);
    e.attribute = static_cast<uint8_t>(entry.level & 0x0F);
    const std::string body = encodeText(entry.body, options.bocu1);
    const bool extended = !entry.example.empty() || !entry.pronunciation.empty() || !entry.binary.empty();
    if (!extended) {
        e.rest = body;
        return e;
    }
    e.attribute |= 0x10;
    e.rest = body + '\0';
    if (!entry.binary.empty()) {
        e.rest += '\x10';
        appendLength(e.rest, entry.binary.size(), options.wideLengths);
        e.rest += entry.binary;
    }
    if (!entry.example.empty()) e.rest += '\x01' + encodeText(entry.example, options.bocu1) + '\0';
    if (!entry.pronunciation.empty()) e.rest += '\x02' + encodeText(entry.pronunciation, options.bocu1) + '\0';
    e.rest += '\x80';
    return e;
}

std::string encodeRecord(const Encoded& e, const std::string& previous, const PdicWriterOptions& options) {
    size_t shared = 0;
    while (shared < previous.size() && shared < e.headword.size() && shared < 255 &&
           previous[shared] == e.headword[shared]) {
        ++shared;
    }
    // The reader joins raw bytes, so a shared count may end inside a BOCU-1 sequence.
    const std::string tail = e.headword.substr(shared);
    std::string record;
    if (options.bocu1) {
        appendLength(record, tail.size() + 1 + e.rest.size(), options.wideLengths);
        record += static_cast<char>(shared);
        record += static_cast<char>(e.attribute);
        record += tail + '\0' + e.rest;
    } else {
        appendLength(record, tail.size() + 2 + e.rest.size(), options.wideLengths);
        record += static_cast<char>(shared);
        record += tail + '\0';
        record += static_cast<char>(e.attribute);
        record += e.rest;
    }
    return record;
}

void putField(std::string& bytes, size_t offset, const std::string& value) { bytes.replace(offset, value.size(), value); }

}  // namespace

void putU16(std::string& bytes, size_t offset, uint32_t value) {
    bytes[offset] = static_cast<char>(value & 0xFF);
    bytes[offset + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void putU32(std::string& bytes, size_t offset, uint32_t value) {
    putU16(bytes, offset, value & 0xFFFF);
    putU16(bytes, offset + 2, value >> 16);
}

std::string writePdic(std::vector<PdicEntry> entries, const PdicWriterOptions& options) {
    std::vector<Encoded> encoded;
    for (const PdicEntry& entry : entries) encoded.push_back(encodeEntry(entry, options));
    if (options.bocu1) {
        // BOCU-1 keeps code point order, and the reader compares UTF-16 units: sort by those.
        std::vector<size_t> order(entries.size());
        for (size_t i = 0; i < order.size(); ++i) order[i] = i;
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return entries[a].headword < entries[b].headword; });
        std::vector<Encoded> sorted;
        for (const size_t i : order) sorted.push_back(encoded[i]);
        encoded.swap(sorted);
    } else {
        std::stable_sort(encoded.begin(), encoded.end(), [](const Encoded& a, const Encoded& b) {
            return std::lexicographical_compare(a.headword.begin(), a.headword.end(), b.headword.begin(),
                                                b.headword.end(), [](char x, char y) {
                                                    return static_cast<unsigned char>(x) <
                                                           static_cast<unsigned char>(y);
                                                });
        });
    }

    const size_t blockSize = static_cast<size_t>(options.blockSize);
    const size_t width = options.wideLengths ? 4 : 2;
    std::string data;
    std::string index;
    size_t groups = 0;
    size_t next = 0;
    while (next < encoded.size()) {
        // One group: as many records as fit in one block, or one record over several blocks.
        std::string records;
        std::string previous;
        const size_t first = next;
        while (next < encoded.size()) {
            const std::string record = encodeRecord(encoded[next], previous, options);
            if (next != first && 2 + records.size() + record.size() + width > blockSize) break;
            records += record;
            previous = encoded[next].headword;
            ++next;
        }
        const size_t used = 2 + records.size() + width;
        const size_t blocks = (used + blockSize - 1) / blockSize;
        const size_t blockNumber = data.size() / blockSize;
        std::string group(blocks * blockSize, '\0');
        putU16(group, 0, static_cast<uint32_t>(blocks | (options.wideLengths ? 0x8000 : 0)));
        putField(group, 2, records);
        data += group;
        index += static_cast<char>(blockNumber & 0xFF);
        index += static_cast<char>((blockNumber >> 8) & 0xFF);
        if (options.wideBlockNumbers) {
            index += static_cast<char>((blockNumber >> 16) & 0xFF);
            index += static_cast<char>((blockNumber >> 24) & 0xFF);
        }
        index += encoded[first].headword + '\0';
        ++groups;
    }
    const size_t indexBlocks = (index.size() + blockSize - 1) / blockSize;
    index.resize(indexBlocks * blockSize, '\0');

    std::string header(static_cast<size_t>(options.headerSize), '\0');
    putField(header, static_cast<size_t>(options.signatureOffset), kSignature);
    putU16(header, 140, static_cast<uint32_t>(options.version));
    putU16(header, 146, static_cast<uint32_t>(options.blockSize));
    putU16(header, 148, static_cast<uint32_t>(indexBlocks));
    putU16(header, 150, static_cast<uint32_t>(options.headerSize));
    header[165] = options.bocu1 ? 0x08 : 0x00;
    if ((options.version >> 8) == 4) {
        putU32(header, 182, options.extHeader);
        putU32(header, 190, static_cast<uint32_t>(groups));
        header[198] = options.wideBlockNumbers ? 1 : 0;
    } else {
        header[182] = options.wideBlockNumbers ? 1 : 0;
        putU32(header, 184, options.extHeader);
        putU32(header, 192, static_cast<uint32_t>(groups));
    }
    return header + index + std::string(options.extHeader, '\0') + data;
}

bool writeBytesFile(const std::wstring& path, const std::string& bytes) {
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

bool writePdicFile(const std::wstring& path, const std::vector<PdicEntry>& entries,
                   const PdicWriterOptions& options) {
    return writeBytesFile(path, writePdic(entries, options));
}
