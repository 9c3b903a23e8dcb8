#include "foundation/system/MessageBoxes.h"

#include "foundation/encoding/StringConversion.h"

#include <cstdio>
#include <utility>

const wchar_t* const kMessageCaption = L"Ostrelle";

namespace {

MessageSink& currentSink() {
    static MessageSink sink;
    return sink;
}

}  // namespace

MessageSink setMessageSink(MessageSink sink) {
    MessageSink previous = std::move(currentSink());
    currentSink() = std::move(sink);
    return previous;
}

int showMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style) {
    if (currentSink()) {
        return currentSink()(MessageBoxRequest{owner, text, caption, style});
    }
    return ::MessageBoxW(owner, text.c_str(), caption.c_str(), style);
}

int showMessageW(const std::wstring& text, HWND owner) {
    showMessageBox(owner, text, kMessageCaption, MB_TOPMOST);
    return 0;
}

int showMessageA(const std::string& text, HWND owner) {
    // The narrow text is in the ANSI code page, as MessageBoxA would read it.
    showMessageBox(owner, multiByteToWide(text.c_str(), CP_ACP), kMessageCaption, MB_TOPMOST);
    return 0;
}

void showNumber(int value) {
    char buffer[16] = {};
    std::snprintf(buffer, sizeof buffer, "%d", value);
    showMessageA(buffer, nullptr);
}
