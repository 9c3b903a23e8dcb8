// The reading server's readers: the check of kakasi's binary dictionary, and the reading
// of kakasi's output back into words (input: the run, a line feed, the output; UTF-16).
#include <stdexcept>
#include <string>

#include "fuzz/FuzzTarget.h"
#include "standins/msime/DictionaryCheck.h"
#include "standins/msime/ReadingWords.h"

namespace {

void checkDictionary(const uint8_t* data, size_t size) {
    isUsableKanwaDictionary(data, size);
}

void readConverterOutput(const uint8_t* data, size_t size) {
    std::wstring text(size / 2, L'\0');
    for (size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<wchar_t>(data[2 * i] | data[2 * i + 1] << 8);
    }
    const size_t split = text.find(L'\n');
    const std::wstring run = text.substr(0, split);
    const std::wstring output = split == std::wstring::npos ? std::wstring() : text.substr(split + 1);
    for (const ReadingWord& word : parseConverterOutput(run, 0, output)) {
        if (word.inputPos + word.inputLength > run.size()) throw std::logic_error("word beyond its run");
    }
}

FuzzTargetRegistration dictionary({"kanwaDictionary", checkDictionary, {"KAKASI\xFF\xFE", std::string(4, '\0')}, {}});
FuzzTargetRegistration converterOutput({"kakasiOutput", readConverterOutput,
                                        {std::string("[\0", 2), std::string("]\0", 2), std::string(" \0", 2)}, {}});

}  // namespace
