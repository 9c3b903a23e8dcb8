#include "foundation/encoding/TextDecoding.h"

#include <cstring>
#include <new>

#include "foundation/encoding/ConversionCodePage.h"
#include "foundation/encoding/EncodingDetection.h"
#include "foundation/encoding/ShiftJisTable.h"
#include "foundation/encoding/StringConversion.h"

namespace {

// UTF-16 units up to the first U+0000; an odd last byte is no unit. Little-endian units
// are copied as they are (wchar_t is UTF-16LE here), not appended one by one.
std::wstring decodeUtf16(const unsigned char* data, size_t size, bool bigEndian) {
    size_t units = size / 2;
    size_t length = 0;
    while (length < units && (data[2 * length] | data[2 * length + 1]) != 0) ++length;
    std::wstring text(length, L'\0');
    if (!bigEndian) {
        if (length > 0) std::memcpy(&text[0], data, length * 2);
        return text;
    }
    for (size_t i = 0; i < length; ++i) {
        text[i] = static_cast<wchar_t>((data[2 * i] << 8) | data[2 * i + 1]);
    }
    return text;
}

// In every narrow code page used here a zero byte is U+0000, which ends the text.
std::wstring decodeUpToNul(UINT codePage, const unsigned char* data, size_t size) {
    const void* nul = std::memchr(data, 0, size);
    if (nul != nullptr) size = static_cast<size_t>(static_cast<const unsigned char*>(nul) - data);
    return decodeBytes(codePage, reinterpret_cast<const char*>(data), size);
}

// Decodes into the caller's string itself, so that room it reserved is kept.
void decodeShiftJis(const unsigned char* data, size_t size, std::wstring& text) {
    const void* nul = std::memchr(data, 0, size);
    if (nul != nullptr) size = static_cast<size_t>(static_cast<const unsigned char*>(nul) - data);
    if (!decodeShiftJisByTable(data, size, text)) text = decodeBytes(932, reinterpret_cast<const char*>(data), size);
}

}  // namespace

EncodingId decodeText(const char* bytes, size_t size, std::wstring& text, EncodingId wanted) {
    const unsigned char* data = reinterpret_cast<const unsigned char*>(bytes);
    if (data == nullptr) size = 0;
    EncodingId id = wanted;
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
        id = kEncodingUtf16Le;
        data += 2;
        size -= 2;
    } else if (size >= 2 && data[0] == 0xFE && data[1] == 0xFF) {
        id = kEncodingUtf16Be;
        data += 2;
        size -= 2;
    } else if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
        id = kEncodingUtf8Bom;
        data += 3;
        size -= 3;
    }
    if (id == kEncodingUndefined) id = detectEncoding(data, size);

    try {
        switch (id) {
        case kEncodingUtf16Le:
            text = decodeUtf16(data, size, false);
            break;
        case kEncodingUtf16Be:
            text = decodeUtf16(data, size, true);
            break;
        case kEncodingShiftJis:
            decodeShiftJis(data, size, text);
            break;
        case kEncodingEucJp: {
            std::string copy(reinterpret_cast<const char*>(data), size);
            unsigned char* writable = reinterpret_cast<unsigned char*>(&copy[0]);
            size_t length = copy.empty() ? 0 : convertEUCJPToShiftJIS(writable, copy.size());
            decodeShiftJis(writable, length, text);
            break;
        }
        case kEncodingUtf8:
        case kEncodingUtf8Bom:
        case kEncodingBig5:
        case kEncodingIso2022Jp:
            text = decodeUpToNul(getCodePage(id), data, size);
            break;
        default:  // ANSI, "Binary" and unknown ids
            text = decodeUpToNul(getConversionCodePage(), data, size);
            break;
        }
    } catch (const std::bad_alloc&) {
        text.clear();
    }
    return id;
}
