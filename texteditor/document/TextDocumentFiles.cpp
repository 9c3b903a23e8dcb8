#include "foundation/encoding/TextFile.h"
#include "texteditor/document/TextDocument.h"

bool TextDocument::load(const std::wstring& path) {
    std::wstring read;
    const EncodingId id = readTextFile(path, read, kEncodingUndefined, true);
    if (id == -1) return false;
    text.swap(read);
    // Room to type into: the first keystroke need not move the whole text (the decoding
    // has made that room already for the narrow encodings).
    text.reserve(text.size() + text.size() / 32 + 1024);
    encoding = id;
    fileName = path;
    rebuildLineTable();
    return true;
}

bool TextDocument::save(const std::wstring& path) {
    if (!writeTextFile(path, text, encoding)) return false;
    fileName = path;
    return true;
}
