// Translation pages as the web translation look-up reads them: the translation is a piece
// of the page between its markers, or the reason shown is a piece of the page.
#include <stdexcept>

#include "fuzz/FuzzTarget.h"
#include "fuzz/targets/TextInput.h"
#include "words/WebTranslation.h"

namespace {

void readTranslationPage(const uint8_t* data, size_t size) {
    const std::wstring page = decodeFuzzInput(data, size);
    std::wstring translation;
    std::wstring failure;
    if (cutTranslation(page, translation, failure)) {
        if (page.find(translation) == std::wstring::npos || translation.find(L"</span>") != std::wstring::npos) {
            throw std::runtime_error("a translation that is not the text between the markers");
        }
    } else if (!translation.empty() || failure.size() > 1000) {
        throw std::runtime_error("a page without markers gave a translation or too long a reason");
    }
}

const std::vector<std::string> kTranslationTokens = {"<span id=result_box", "backgroundColor='#fff'\">", "</span>",
                                                     "<span title=\"", "\xE7\x8C\xAB"};

FuzzTargetRegistration translationPage({"translation-page", readTranslationPage, kTranslationTokens,
                                        {"fuzz/seeds/markup"}});

}  // namespace
