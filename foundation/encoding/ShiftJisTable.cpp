#include "foundation/encoding/ShiftJisTable.h"

#include <windows.h>

#include <new>
#include <vector>

namespace {

const wchar_t kUnknown = 0xFFFF;  // not a character of code page 932

bool isLead(unsigned c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

size_t leadIndex(unsigned c) {
    return c <= 0x9F ? c - 0x81 : c - 0xE0 + 0x1F;
}

wchar_t convertStrictly(const char* bytes, int count) {
    wchar_t result[2] = {};
    int length = ::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes, count, result, 2);
    return length == 1 ? result[0] : kUnknown;
}

struct Table {
    wchar_t single[256];
    std::vector<wchar_t> pairs;  // 60 leads x 256 trails
    bool ready = false;

    Table() : pairs(60 * 256, kUnknown) {
        for (unsigned c = 0; c < 256; ++c) {
            char byte = static_cast<char>(c);
            single[c] = isLead(c) ? kUnknown : convertStrictly(&byte, 1);
        }
        for (unsigned lead = 0; lead < 256; ++lead) {
            if (!isLead(lead)) continue;
            for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
                if (trail == 0x7F) continue;
                char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                pairs[leadIndex(lead) * 256 + trail] = convertStrictly(bytes, 2);
            }
        }
        ready = single['A'] == L'A';  // the system knows code page 932
    }
};

const Table& table() {
    static const Table instance;
    return instance;
}

}  // namespace

bool decodeShiftJisByTable(const unsigned char* data, size_t size, std::wstring& text) {
    const Table& t = table();
    if (!t.ready) return false;
    try {
        text.resize(size);
    } catch (const std::bad_alloc&) {
        return false;
    }
    wchar_t* out = size > 0 ? &text[0] : nullptr;
    size_t o = 0;
    size_t i = 0;
    while (i < size) {
        unsigned c = data[i];
        wchar_t w = t.single[c];
        if (w != kUnknown) {
            out[o++] = w;
            ++i;
            continue;
        }
        if (!isLead(c) || i + 1 >= size) return false;
        w = t.pairs[leadIndex(c) * 256 + data[i + 1]];
        if (w == kUnknown) return false;
        out[o++] = w;
        i += 2;
    }
    text.resize(o);
    return true;
}
