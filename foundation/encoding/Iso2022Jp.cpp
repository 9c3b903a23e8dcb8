#include "foundation/encoding/Iso2022Jp.h"

#include <windows.h>

#include <map>

#include "foundation/encoding/StringConversion.h"

namespace {

const char kEscape = 0x1B;

enum class Mode { Ascii, Jis0208, Katakana };

bool inJisRange(unsigned char c) {
    return c >= 0x21 && c <= 0x7E;
}

// Full-width forms of U+FF61..U+FF9F (half-width punctuation and katakana).
const wchar_t kFullWidthKana[] = {
    0x3002, 0x300C, 0x300D, 0x3001, 0x30FB, 0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9,
    0x30E3, 0x30E5, 0x30E7, 0x30C3, 0x30FC, 0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA, 0x30AB,
    0x30AD, 0x30AF, 0x30B1, 0x30B3, 0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD, 0x30BF, 0x30C1,
    0x30C4, 0x30C6, 0x30C8, 0x30CA, 0x30CB, 0x30CC, 0x30CD, 0x30CE, 0x30CF, 0x30D2, 0x30D5,
    0x30D8, 0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2, 0x30E4, 0x30E6, 0x30E8, 0x30E9,
    0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF, 0x30F3, 0x309B, 0x309C,
};

// Reads the escape sequence at `i` (which holds ESC); returns its length, 0 when unknown.
size_t readEscape(const unsigned char* p, size_t i, size_t count, Mode& mode) {
    auto at = [&](size_t k) { return i + k < count ? p[i + k] : 0; };
    if (at(1) == '(' && (at(2) == 'B' || at(2) == 'J')) {
        mode = Mode::Ascii;
        return 3;
    }
    if (at(1) == '(' && at(2) == 'I') {
        mode = Mode::Katakana;
        return 3;
    }
    if (at(1) == '$' && (at(2) == '@' || at(2) == 'B')) {
        mode = Mode::Jis0208;
        return 3;
    }
    if (at(1) == '$' && at(2) == '(' && (at(3) == '@' || at(3) == 'B')) {
        mode = Mode::Jis0208;
        return 4;
    }
    if (at(1) == '&' && at(2) == '@') return 3;  // announces a JIS X 0208 revision only
    return 0;
}

// Kanji of the IBM extension rows (Shift_JIS FA40-FC4B) have no JIS X 0208 code; the
// same characters stand in the NEC-selected rows ED40-EEFC, which have one. Maps each
// such character to its NEC-selected Shift_JIS code, learnt from code page 932 itself.
const std::map<wchar_t, unsigned>& necSelectedCodes() {
    static const std::map<wchar_t, unsigned> codes = [] {
        std::map<wchar_t, unsigned> map;
        for (unsigned lead = 0xED; lead <= 0xEE; ++lead) {
            for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
                if (trail == 0x7F) continue;
                char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                wchar_t unit[2] = {};
                if (::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes, 2, unit, 2) == 1) {
                    map.emplace(unit[0], (lead << 8) | trail);
                }
            }
        }
        return map;
    }();
    return codes;
}

// The NEC-selected pair for an IBM-extension pair; false when there is none.
bool toNecSelected(unsigned char& first, unsigned char& second) {
    char bytes[2] = {static_cast<char>(first), static_cast<char>(second)};
    wchar_t unit[2] = {};
    if (::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes, 2, unit, 2) != 1) return false;
    const auto& codes = necSelectedCodes();
    auto found = codes.find(unit[0]);
    if (found == codes.end()) return false;
    first = static_cast<unsigned char>(found->second >> 8);
    second = static_cast<unsigned char>(found->second & 0xFF);
    return true;
}

}  // namespace

void jisToShiftJis(unsigned char& first, unsigned char& second) {
    unsigned row = first;
    unsigned cell = second;
    unsigned lead = ((row + 1) >> 1) + (row <= 0x5E ? 0x70 : 0xB0);
    unsigned trail = (row & 1) ? cell + (cell >= 0x60 ? 0x20 : 0x1F) : cell + 0x7E;
    first = static_cast<unsigned char>(lead);
    second = static_cast<unsigned char>(trail);
}

void shiftJisToJis(unsigned char& first, unsigned char& second) {
    unsigned lead = first;
    unsigned trail = second;
    unsigned row = (lead - (lead <= 0x9F ? 0x70 : 0xB0)) << 1;
    unsigned cell = 0;
    if (trail < 0x9F) {
        row -= 1;
        cell = trail - 0x1F - (trail >= 0x80 ? 1 : 0);
    } else {
        cell = trail - 0x7E;
    }
    first = static_cast<unsigned char>(row);
    second = static_cast<unsigned char>(cell);
}

std::wstring decodeIso2022Jp(const char* bytes, size_t count) {
    // Rewrite the text as Shift_JIS, then let code page 932 map it, so that the result
    // is the same as for a Shift_JIS file of the same text.
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes);
    std::string shiftJis;
    shiftJis.reserve(count);
    Mode mode = Mode::Ascii;
    Mode beforeShiftOut = Mode::Ascii;
    size_t i = 0;
    while (i < count) {
        unsigned char c = p[i];
        if (c == static_cast<unsigned char>(kEscape)) {
            size_t length = readEscape(p, i, count, mode);
            if (length > 0) {
                i += length;
                continue;
            }
        } else if (c == 0x0E) {  // shift out: half-width katakana
            beforeShiftOut = mode;
            mode = Mode::Katakana;
            ++i;
            continue;
        } else if (c == 0x0F) {  // shift in
            mode = beforeShiftOut;
            ++i;
            continue;
        }
        if (mode == Mode::Jis0208 && inJisRange(c)) {
            if (i + 1 < count && inJisRange(p[i + 1])) {
                unsigned char first = c;
                unsigned char second = p[i + 1];
                jisToShiftJis(first, second);
                shiftJis += static_cast<char>(first);
                shiftJis += static_cast<char>(second);
                i += 2;
            } else {
                shiftJis += '?';
                ++i;
            }
            continue;
        }
        if (mode == Mode::Katakana && c >= 0x21 && c <= 0x5F) {
            shiftJis += static_cast<char>(c + 0x80);
        } else {
            shiftJis += static_cast<char>(c);
        }
        ++i;
    }
    return decodeBytes(932, shiftJis.data(), shiftJis.size());
}

std::string encodeIso2022Jp(const wchar_t* text, size_t count) {
    std::wstring wide(text, count);
    for (wchar_t& c : wide) {
        if (c >= 0xFF61 && c <= 0xFF9F) c = kFullWidthKana[c - 0xFF61];
    }
    std::string shiftJis = encodeWide(932, wide.data(), wide.size());
    const unsigned char* p = reinterpret_cast<const unsigned char*>(shiftJis.data());
    size_t n = shiftJis.size();

    std::string out;
    out.reserve(n + n / 2 + 8);
    Mode mode = Mode::Ascii;
    auto switchTo = [&](Mode wanted) {
        if (mode == wanted) return;
        out += wanted == Mode::Jis0208 ? "\x1B$B" : "\x1B(B";
        mode = wanted;
    };
    for (size_t i = 0; i < n; ++i) {
        unsigned char c = p[i];
        bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xEF);
        unsigned char first = c;
        unsigned char second = i + 1 < n ? p[i + 1] : 0;
        if (c >= 0xFA && c <= 0xFC && i + 1 < n) lead = toNecSelected(first, second);
        if (lead && i + 1 < n) {
            ++i;
            shiftJisToJis(first, second);
            if (inJisRange(first) && inJisRange(second)) {
                switchTo(Mode::Jis0208);
                out += static_cast<char>(first);
                out += static_cast<char>(second);
                continue;
            }
            switchTo(Mode::Ascii);
            out += '?';
            continue;
        }
        if ((c >= 0xF0 && c <= 0xFC) && i + 1 < n) ++i;  // user-defined and IBM rows
        switchTo(Mode::Ascii);
        out += c < 0x80 ? static_cast<char>(c) : '?';
    }
    switchTo(Mode::Ascii);
    return out;
}
