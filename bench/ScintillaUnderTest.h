// The Scintilla editing component in the benchmark, as the reference the program's own
// editor is measured against: GDI drawing, UTF-8 text, no margins, word wrapping.
#pragma once

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "bench/EditorUnderTest.h"
#include "scintilla/Scintilla.h"

class ScintillaUnderTest : public EditorUnderTest {
public:
    const char* name() const override { return "Scintilla"; }
    HWND window() const override { return hwnd; }

    bool create(HWND frame, int width, int height) override {
        static const bool registered = Scintilla_RegisterClasses(::GetModuleHandleW(nullptr)) != 0;
        if (!registered) return false;
        hwnd = ::CreateWindowExW(0, L"Scintilla", L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, width,
                                 height, frame, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        if (!hwnd) return false;
        send(SCI_SETTECHNOLOGY, SC_TECHNOLOGY_DEFAULT);
        send(SCI_SETCODEPAGE, SC_CP_UTF8);
        for (int margin = 0; margin < 5; ++margin) send(SCI_SETMARGINWIDTHN, margin, 0);
        send(SCI_SETMARGINLEFT, 0, 2);  // the other editor's left padding
        send(SCI_SETMARGINRIGHT, 0, 0);
        return true;
    }

    void setFont(const LOGFONTW& font) override {
        char face[LF_FACESIZE * 3] = {};
        ::WideCharToMultiByte(CP_UTF8, 0, font.lfFaceName, -1, face, sizeof face, nullptr, nullptr);
        send(SCI_STYLESETFONT, STYLE_DEFAULT, reinterpret_cast<LPARAM>(face));
        // Scintilla sizes fonts in hundredths of a point; this gives the same pixel height.
        HDC screen = ::GetDC(nullptr);
        const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
        ::ReleaseDC(nullptr, screen);
        const int pixels = std::abs(static_cast<int>(font.lfHeight));
        send(SCI_STYLESETSIZEFRACTIONAL, STYLE_DEFAULT, ::MulDiv(pixels * SC_FONT_SIZE_MULTIPLIER, 72, dpi));
        send(SCI_STYLESETCHARACTERSET, STYLE_DEFAULT, font.lfCharSet);
        send(SCI_STYLESETWEIGHT, STYLE_DEFAULT, font.lfWeight ? font.lfWeight : FW_NORMAL);
        send(SCI_STYLECLEARALL);
    }
    int getRowHeight() const override { return static_cast<int>(send(SCI_TEXTHEIGHT, 0)); }
    void setRowHeight(int height) override {
        send(SCI_SETEXTRAASCENT, 0);
        send(SCI_SETEXTRADESCENT, 0);
        const int extra = height - getRowHeight();
        send(SCI_SETEXTRAASCENT, extra / 2);
        send(SCI_SETEXTRADESCENT, extra - extra / 2);
    }

    // Scintilla keeps UTF-8: the file's bytes go in as they are.
    bool load(const std::wstring& path) override {
        std::ifstream file(path.c_str(), std::ios::binary);
        if (!file) return false;
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        send(SCI_SETTEXT, 0, reinterpret_cast<LPARAM>(bytes.c_str()));
        send(SCI_EMPTYUNDOBUFFER);
        return true;
    }

    void setWrapping(bool wrap) override {
        send(SCI_SETWRAPMODE, wrap ? SC_WRAP_WORD : SC_WRAP_NONE);
        send(SCI_SETHSCROLLBAR, wrap ? 0 : 1);  // like the other editor, no horizontal bar while wrapping
        layOutAll();
    }
    // Scintilla wraps the visible rows at once and the rest in idle time; making the
    // last line visible makes it wrap everything in one go.
    void layOutAll() override { send(SCI_ENSUREVISIBLE, send(SCI_GETLINECOUNT) - 1); }
    uint32_t getRowCount() const override {
        const LRESULT last = send(SCI_GETLINECOUNT) - 1;
        return static_cast<uint32_t>(send(SCI_VISIBLEFROMDOCLINE, last) + send(SCI_WRAPCOUNT, last));
    }

private:
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(hwnd, message, wParam, lParam);
    }

    HWND hwnd = nullptr;
};
