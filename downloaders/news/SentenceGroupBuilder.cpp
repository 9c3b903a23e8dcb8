#include "downloaders/news/SentenceGroupBuilder.h"

#include "foundation/system/StringUtils.h"
#include "foundation/xml/CharacterReferences.h"
#include "foundation/xml/CDataChild.h"
#include "foundation/xml/Element.h"

namespace {

std::wstring cleanText(const std::wstring& text) {
    std::wstring clean = replaceAll(text, L"\r\n", L"");
    clean = decodeCharacterReferences(clean, false);
    return replaceAll(clean, L"<br />", L"\r\n");
}

}  // namespace

Element* buildSentenceGroup(const std::wstring& sentence, const std::wstring& translation,
                            const std::wstring& explanation) {
    std::wstring english = cleanText(sentence);
    std::wstring japanese = cleanText(translation);
    // The player shows each sentence and translation as a line of its own.
    if (english.find(L"\r\n") == std::wstring::npos) english += L"\r\n";
    if (japanese.find(L"\r\n") == std::wstring::npos) japanese += L"\r\n";
    Element* group = new Element(L"SentenceGroup");
    appendCDataChild(group, L"sentence", english);
    appendCDataChild(group, L"translation", japanese);
    appendCDataChild(group, L"explanation", cleanText(explanation));
    return group;
}
