#include "player/lyrics/KanaConversion.h"

namespace {

constexpr wchar_t kKanaDistance = 0x60;

bool hasKatakanaPartner(wchar_t c) { return (c >= 0x3041 && c <= 0x3096) || c == 0x309D || c == 0x309E; }
bool hasHiraganaPartner(wchar_t c) { return (c >= 0x30A1 && c <= 0x30F6) || c == 0x30FD || c == 0x30FE; }

}  // namespace

std::wstring toKatakana(const std::wstring& text) {
    std::wstring out = text;
    for (wchar_t& c : out) {
        if (hasKatakanaPartner(c)) c = static_cast<wchar_t>(c + kKanaDistance);
    }
    return out;
}

std::wstring toHiragana(const std::wstring& text) {
    std::wstring out = text;
    for (wchar_t& c : out) {
        if (hasHiraganaPartner(c)) c = static_cast<wchar_t>(c - kKanaDistance);
    }
    return out;
}
