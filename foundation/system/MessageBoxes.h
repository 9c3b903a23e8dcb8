// The shared message-box helpers. Every box the program shows goes through
// showMessageBox, so that tests can replace the modal box with a sink that answers
// at once and records what would have been shown.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Caption of every message box of the helpers below.
extern const wchar_t* const kMessageCaption;

struct MessageBoxRequest {
    HWND owner;
    std::wstring text;
    std::wstring caption;
    UINT style;
};

// Answers a request in place of MessageBoxW and returns the button id it "pressed".
using MessageSink = std::function<int(const MessageBoxRequest&)>;

// Installs a sink (an empty function restores the real message box); returns the previous one.
MessageSink setMessageSink(MessageSink sink);

// MessageBoxW through the sink; returns the id of the button pressed (IDOK, IDYES, ...).
int showMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style);

// A topmost box with an OK button and the caption "Ostrelle". Returns 0.
int showMessageW(const std::wstring& text, HWND owner = nullptr);
int showMessageA(const std::string& text, HWND owner = nullptr);
// Shows a number formatted with "%d".
void showNumber(int value);
