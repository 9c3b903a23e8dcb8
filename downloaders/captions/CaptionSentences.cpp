#include "downloaders/captions/CaptionSentences.h"

#include <algorithm>

#include "foundation/text/SentenceBoundaries.h"

std::vector<std::wstring> splitCaptionSentences(const std::wstring& text) {
    std::vector<std::wstring> sentences;
    const int length = static_cast<int>(text.size());
    int lineStart = 0;
    int position = 0;
    while (position < length) {
        position = skipWhitespace(text.c_str(), length, position, false);
        if (position >= length) break;
        const int end = std::min(NextPunctuation(text, position), length);
        if (end <= position) break;
        int lineEnd = end;
        if (text[lineEnd - 1] == L' ') --lineEnd;
        sentences.push_back(text.substr(lineStart, lineEnd - lineStart));
        lineStart = end;
        position = end;
    }
    return sentences;
}
