#include "texteditor/editor/SelectionTransforms.h"

namespace {

constexpr wchar_t kFirstSurrogate = 0xD800;
constexpr wchar_t kLastSurrogate = 0xDFFF;
constexpr wchar_t kLastShifted = 0xFDFF;

bool isSurrogate(wchar_t c) { return c >= kFirstSurrogate && c <= kLastSurrogate; }

}  // namespace

std::wstring toAsciiUpper(const std::wstring& text) {
    std::wstring result(text);
    for (wchar_t& c : result) {
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    return result;
}

std::wstring toAsciiLower(const std::wstring& text) {
    std::wstring result(text);
    for (wchar_t& c : result) {
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return result;
}

std::wstring shiftCodePoints(const std::wstring& text, bool forward) {
    std::wstring result(text);
    const wchar_t lowest = forward ? 0x20 : 0x21;
    for (wchar_t& c : result) {
        if (c < lowest || c > kLastShifted || isSurrogate(c)) continue;
        if (forward) {
            c = c == kFirstSurrogate - 1 ? static_cast<wchar_t>(kLastSurrogate + 1) : static_cast<wchar_t>(c + 1);
        } else {
            c = c == kLastSurrogate + 1 ? static_cast<wchar_t>(kFirstSurrogate - 1) : static_cast<wchar_t>(c - 1);
        }
    }
    return result;
}
