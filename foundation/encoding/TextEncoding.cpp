#include "foundation/encoding/TextEncoding.h"

#include <new>

#include "foundation/encoding/ConversionCodePage.h"
#include "foundation/encoding/StringConversion.h"

std::string byteOrderMark(EncodingId id) {
    switch (id) {
    case kEncodingUndefined:
    case kEncodingUtf16Le: return std::string("\xFF\xFE", 2);
    case kEncodingUtf16Be: return std::string("\xFE\xFF", 2);
    case kEncodingUtf8Bom: return std::string("\xEF\xBB\xBF", 3);
    default: return std::string();
    }
}

bool encodeText(const std::wstring& text, EncodingId id, std::string& bytes) {
    bool writable = id >= kEncodingUndefined && id <= kEncodingIso2022Jp && id != kEncodingBinary;
    if (!writable) return false;
    bytes.clear();
    if (text.empty()) return true;
    try {
        switch (id) {
        case kEncodingUndefined:
        case kEncodingUtf16Le:
        case kEncodingUtf16Be: {
            bool swap = id == kEncodingUtf16Be;
            bytes.resize(text.size() * 2);
            for (size_t i = 0; i < text.size(); ++i) {
                unsigned unit = static_cast<unsigned>(text[i]);
                bytes[2 * i + (swap ? 1 : 0)] = static_cast<char>(unit & 0xFF);
                bytes[2 * i + (swap ? 0 : 1)] = static_cast<char>(unit >> 8);
            }
            return true;
        }
        case kEncodingAnsi:
            bytes = encodeWide(getConversionCodePage(), text.data(), text.size());
            return !bytes.empty();
        default:
            bytes = encodeWide(getCodePage(id), text.data(), text.size());
            return !bytes.empty();
        }
    } catch (const std::bad_alloc&) {
        bytes.clear();
        return false;
    }
}

bool writeByteOrderMark(std::FILE* file, EncodingId id) {
    std::string mark = byteOrderMark(id);
    return mark.empty() || std::fwrite(mark.data(), 1, mark.size(), file) == mark.size();
}

bool writeEncodedText(std::FILE* file, const std::wstring& text, EncodingId id) {
    std::string bytes;
    if (!encodeText(text, id, bytes)) return false;
    return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}
