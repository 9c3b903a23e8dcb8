#include "words/tests/PdicTestData.h"

#include <algorithm>

std::vector<std::wstring> generatedWords(size_t count) {
    static const wchar_t kConsonants[] = L"bcdfghjklmnprstvwz";
    static const wchar_t kVowels[] = L"aeiou";
    std::set<std::wstring> words;
    unsigned state = 12345;
    while (words.size() < count) {
        state = state * 1103515245u + 12345u;
        const unsigned syllables = 2 + (state >> 16) % 3;
        std::wstring word;
        for (unsigned s = 0; s < syllables; ++s) {
            state = state * 1103515245u + 12345u;
            word += kConsonants[(state >> 16) % 18];
            word += kVowels[(state >> 8) % 5];
        }
        words.insert(word);
    }
    return std::vector<std::wstring>(words.begin(), words.end());
}

std::vector<PdicEntry> englishDictionary(size_t generated) {
    std::vector<PdicEntry> entries;
    size_t n = 0;
    for (const std::wstring& word : generatedWords(generated)) {
        PdicEntry entry;
        entry.headword = word;
        entry.body = L"\x8A33" + std::to_wstring(n++);
        entries.push_back(entry);
    }
    const PdicEntry known[] = {
        {L"apple", L"\x308A\x3093\x3054", L"", L"", 1, ""},
        {L"application", L"\x5FDC\x7528", L"", L"", 3, ""},
        {L"apply", L"\x9069\x7528\x3059\x308B", L"apply for a job", L"@pl'ai", 2, ""},
        {L"ice", L"\x6C37", L"", L"", 1, ""},
        {L"ice cream", L"\x30A2\x30A4\x30B9\x30AF\x30EA\x30FC\x30E0", L"", L"", 2, ""},
        {L"iceberg", L"\x6C37\x5C71", L"", L"", 4, std::string("\x01\x02\x00\x03", 4)},
        {L"study", L"\x52C9\x5F37\x3059\x308B", L"study English", L"", 1, ""},
        {L"\x30AB\x30E0", L"cam", L"", L"", 0, ""},
    };
    entries.insert(entries.end(), std::begin(known), std::end(known));
    return entries;
}

std::vector<std::wstring> headwordsWithPrefix(const std::vector<PdicEntry>& entries, const std::wstring& prefix) {
    std::vector<std::wstring> found;
    for (const PdicEntry& entry : entries) {
        if (entry.headword.compare(0, prefix.size(), prefix) == 0) found.push_back(entry.headword);
    }
    std::sort(found.begin(), found.end());
    return found;
}
