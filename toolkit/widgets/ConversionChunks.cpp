#include "toolkit/widgets/ConversionChunks.h"

#include "toolkit/widgets/JapaneseCharacters.h"

namespace {

bool isHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Where the chunk that starts at `start` ends. A break is after a blank, a control
// character or Japanese punctuation, and before any other Latin-1 character; failing
// one, a cut before a hiragana character keeps a kanji word whole; failing that, the
// full length, never between the halves of a surrogate pair.
size_t chunkEnd(const std::wstring& text, size_t start) {
    const size_t limit = start + kConversionChunkLength;
    size_t breakPos = start;
    size_t kanaPos = start;
    for (size_t i = start; i < limit; ++i) {
        const wchar_t c = text[i];
        if (c <= 0x20 || japanese::isJapanesePunctuation(c)) {
            breakPos = i + 1;
        } else if (c <= 0xFF) {
            breakPos = i;
        } else if (japanese::isHiragana(c)) {
            kanaPos = i;
        }
    }
    if (breakPos > start) return breakPos;
    if (kanaPos > start) return kanaPos;
    if (isHighSurrogate(text[limit - 1]) && isLowSurrogate(text[limit])) return limit - 1;
    return limit;
}

}  // namespace

std::vector<std::wstring> splitConversionChunks(const std::wstring& text) {
    std::vector<std::wstring> chunks;
    size_t start = 0;
    while (text.size() - start > kConversionChunkLength) {
        const size_t end = chunkEnd(text, start);
        chunks.push_back(text.substr(start, end - start));
        start = end;
    }
    if (start < text.size()) chunks.push_back(text.substr(start));
    return chunks;
}
