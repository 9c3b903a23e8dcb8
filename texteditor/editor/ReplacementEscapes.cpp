#include "texteditor/editor/ReplacementEscapes.h"

std::wstring decodeEscapes(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c != L'\\' || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const wchar_t next = text[++i];
        switch (next) {
            case L'n': out += L'\n'; break;
            case L'r': out += L'\r'; break;
            case L't': out += L'\t'; break;
            default: out += next; break;
        }
    }
    return out;
}
