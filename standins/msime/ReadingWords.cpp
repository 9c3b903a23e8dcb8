#include "standins/msime/ReadingWords.h"

#include <windows.h>

namespace {

bool isBlank(wchar_t c) { return c <= 0x20 || c == 0x3000; }

// Shift_JIS lead bytes of the JIS X 0208 rows, without the vendor rows 9-15 and 89-94.
bool isJisLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x84) || (b >= 0x88 && b <= 0x9F) || (b >= 0xE0 && b <= 0xEA);
}

ReadingWord selfReading(const std::wstring& text, size_t pos, size_t length) {
    return ReadingWord{pos, length, text.substr(pos, length)};
}

void appendRun(std::vector<ReadingWord>& words, const std::wstring& text, size_t pos, size_t length,
               const RunConverter& convert) {
    const std::wstring run = text.substr(pos, length);
    std::wstring output;
    std::vector<ReadingWord> runWords;
    if (convert(run, output)) runWords = parseConverterOutput(run, pos, output);
    if (runWords.empty()) {
        words.push_back(selfReading(text, pos, length));
    } else {
        words.insert(words.end(), runWords.begin(), runWords.end());
    }
}

}  // namespace

bool isConverterCharacter(wchar_t c) {
    if (c < 0x80 || c == 0x3000) return false;
    char bytes[4] = {};
    BOOL lossy = FALSE;
    const int count = ::WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &c, 1, bytes, sizeof bytes, nullptr, &lossy);
    if (count != 2 || lossy || !isJisLeadByte(static_cast<unsigned char>(bytes[0]))) return false;
    wchar_t back = 0;
    return ::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes, 2, &back, 1) == 1 && back == c;
}

std::vector<ReadingWord> parseConverterOutput(const std::wstring& run, size_t runPos, const std::wstring& output) {
    std::vector<ReadingWord> words;
    size_t covered = 0;
    size_t i = 0;
    while (i < output.size()) {
        if (output[i] == L' ') {
            ++i;
            continue;
        }
        size_t end = output.find(L' ', i);
        if (end == std::wstring::npos) end = output.size();
        const std::wstring token = output.substr(i, end - i);
        i = end;
        const size_t open = token.find(L'[');
        const size_t baseLength = open == std::wstring::npos ? token.size() : open;
        if (baseLength == 0 || baseLength > run.size() - covered) return {};
        ReadingWord word{runPos + covered, baseLength, run.substr(covered, baseLength)};
        if (open != std::wstring::npos) {
            const size_t close = token.find(L']', open);
            if (close != token.size() - 1 || close == open + 1) return {};
            word.reading = token.substr(open + 1, close - open - 1);
            if (word.reading.find(L'[') != std::wstring::npos) return {};
        }
        covered += baseLength;
        words.push_back(std::move(word));
    }
    if (covered != run.size()) return {};
    return words;
}

std::vector<ReadingWord> splitReadingWords(const std::wstring& text, const RunConverter& convert) {
    std::vector<ReadingWord> words;
    size_t i = 0;
    while (i < text.size()) {
        size_t end = i + 1;
        if (isBlank(text[i])) {
            words.push_back(selfReading(text, i, 1));
        } else if (isConverterCharacter(text[i])) {
            while (end < text.size() && end - i < kMaxConverterRun && isConverterCharacter(text[end])) ++end;
            appendRun(words, text, i, end - i, convert);
        } else {
            while (end < text.size() && !isBlank(text[end]) && !isConverterCharacter(text[end])) ++end;
            words.push_back(selfReading(text, i, end - i));
        }
        i = end;
    }
    return words;
}
