#include "words/pdic/PDicKey.h"

#include <cstdint>

namespace {

struct KanaFold {
    wchar_t from;
    wchar_t to;
};

const KanaFold kKanaFolds[] = {
    {0x30AC, 0x30AB}, {0x30AE, 0x30AD}, {0x30B0, 0x30AF}, {0x30B2, 0x30B1}, {0x30B4, 0x30B3}, {0x30B6, 0x30B5},
    {0x30B8, 0x30B7}, {0x30BA, 0x30B9}, {0x30BC, 0x30BB}, {0x30BE, 0x30BD}, {0x30C0, 0x30BF}, {0x30C2, 0x30C1},
    {0x30C5, 0x30C4}, {0x30C7, 0x30C6}, {0x30C9, 0x30C8}, {0x30D0, 0x30CF}, {0x30D3, 0x30D2}, {0x30D6, 0x30D5},
    {0x30D9, 0x30D8}, {0x30DC, 0x30DB}, {0x30D1, 0x30CF}, {0x30D4, 0x30D2}, {0x30D7, 0x30D5}, {0x30DA, 0x30D8},
    {0x30DD, 0x30DB}, {0x30A1, 0x30A2}, {0x30A3, 0x30A4}, {0x30A5, 0x30A6}, {0x30A7, 0x30A8}, {0x30A9, 0x30AA},
    {0x30C3, 0x30C4}, {0x30E3, 0x30E4}, {0x30E5, 0x30E6}, {0x30E7, 0x30E8}, {0x30EE, 0x30EF}, {0x30F5, 0x30AB},
    {0x30F6, 0x30B1}};

wchar_t foldUnit(wchar_t c) {
    if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c + (L'a' - L'A'));
    if (c == L'-') return L' ';
    for (const KanaFold& fold : kKanaFolds) {
        if (fold.from == c) return fold.to;
    }
    return c;
}

template <typename Unit, typename Text>
int compareUnits(const Text& headword, const Text& key) {
    for (size_t i = 0; i < key.size(); ++i) {
        const Unit a = i < headword.size() ? static_cast<Unit>(headword[i]) : 0;
        const Unit b = static_cast<Unit>(key[i]);
        if (a != b) return a < b ? -1 : 1;
        if (a == 0) return 0;
    }
    return 0;
}

}  // namespace

std::wstring foldPDicKeyword(const std::wstring& keyword) {
    std::wstring folded = keyword;
    for (wchar_t& c : folded) c = foldUnit(c);
    return folded;
}

int comparePDicKey(const std::wstring& headword, const std::wstring& key) {
    return compareUnits<uint16_t>(headword, key);
}

int comparePDicKey(const std::string& headword, const std::string& key) {
    return compareUnits<unsigned char>(headword, key);
}
