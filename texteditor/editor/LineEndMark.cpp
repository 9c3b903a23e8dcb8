#include "texteditor/editor/LineEndMark.h"

LineEndKind lineEndKindOf(const std::wstring& lineText) {
    const wchar_t last = lineText.empty() ? 0 : lineText.back();
    const wchar_t previous = lineText.size() >= 2 ? lineText[lineText.size() - 2] : last;
    if (previous == L'\r' && last == L'\n') return LineEndKind::kCRLF;
    if (last == L'\r') return LineEndKind::kCR;
    if (last == L'\n') return LineEndKind::kLF;
    return LineEndKind::kNone;
}

std::wstring lineEndText(LineEndKind kind) {
    switch (kind) {
        case LineEndKind::kCRLF: return L"\r\n";
        case LineEndKind::kCR: return L"\r";
        case LineEndKind::kLF: return L"\n";
        default: return std::wstring();
    }
}

const char* const* lineEndGlyph(LineEndKind kind) {
    static const char* const crlf[] = {".....#", "..#..#", ".#...#", "#####.", ".#....", "..#..."};
    static const char* const lf[] = {"..#...", "..#...", "..#...", "#.#.#.", ".###..", "..#..."};
    static const char* const cr[] = {"......", "..#...", ".#....", "######", ".#....", "..#..."};
    switch (kind) {
        case LineEndKind::kCRLF: return crlf;
        case LineEndKind::kCR: return cr;
        case LineEndKind::kLF: return lf;
        default: return nullptr;
    }
}
