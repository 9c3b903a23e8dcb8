#include "standins/msime/MorphResultBlock.h"

#include <objbase.h>

#include <cstring>
#include <new>

MORRSLT* buildMorphResult(const std::wstring& input, const std::vector<ReadingWord>& words) {
    std::wstring output;
    std::vector<MorphWord> entries;
    entries.reserve(words.size());
    for (const ReadingWord& word : words) {
        if (word.inputPos + word.inputLength > 0xFFFF || output.size() + word.reading.size() > 0xFFFF) return nullptr;
        MorphWord entry = {};
        entry.outputPos = static_cast<WORD>(output.size());
        entry.inputPos = static_cast<WORD>(word.inputPos);
        entry.outputLength = static_cast<WORD>(word.reading.size());
        entry.inputLength = static_cast<WORD>(word.inputLength);
        entries.push_back(entry);
        output += word.reading;
    }
    if (input.size() > 0xFFFF || entries.size() > 0xFFFF) return nullptr;

    // The record, its words, then the output and the input, each terminated.
    const size_t wordsAt = sizeof(MORRSLT);
    const size_t outputAt = wordsAt + entries.size() * sizeof(MorphWord);
    const size_t inputAt = outputAt + (output.size() + 1) * sizeof(WCHAR);
    const size_t total = inputAt + (input.size() + 1) * sizeof(WCHAR);
    auto* block = static_cast<unsigned char*>(::CoTaskMemAlloc(total));
    if (!block) return nullptr;
    std::memset(block, 0, total);

    auto* result = new (block) MORRSLT();
    result->size = static_cast<DWORD>(total);
    result->words = reinterpret_cast<MorphWord*>(block + wordsAt);
    if (!entries.empty()) std::memcpy(result->words, entries.data(), entries.size() * sizeof(MorphWord));
    result->wordCount = static_cast<INT>(entries.size());
    result->output = reinterpret_cast<WCHAR*>(block + outputAt);
    std::memcpy(result->output, output.c_str(), output.size() * sizeof(WCHAR));
    result->outputLength = static_cast<WORD>(output.size());
    result->input = reinterpret_cast<WCHAR*>(block + inputAt);
    std::memcpy(result->input, input.c_str(), input.size() * sizeof(WCHAR));
    result->inputLength = static_cast<WORD>(input.size());
    return result;
}
