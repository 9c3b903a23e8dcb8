#include "player/lyrics/TimeText.h"

#include <cwchar>
#include <vector>

#include "foundation/system/StringUtils.h"

namespace {

uint32_t leadingNumber(const std::wstring& text) {
    uint32_t value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') break;
        value = value * 10 + static_cast<uint32_t>(c - L'0');
    }
    return value;
}

}  // namespace

std::wstring toTimeText(uint32_t ms) {
    wchar_t text[32];
    const int length = std::swprintf(text, 32, L"%02u:%02u:%02u", ms / 60000, ms / 1000 % 60, ms % 1000 / 10);
    return std::wstring(text, length > 0 ? static_cast<size_t>(length) : 0);
}

uint32_t parseTimeText(const std::wstring& text) {
    const std::vector<std::wstring> parts = splitString(text, L":");
    if (parts.size() != 3) return 0;
    return leadingNumber(parts[0]) * 60000 + leadingNumber(parts[1]) * 1000 + leadingNumber(parts[2]) * 10;
}
