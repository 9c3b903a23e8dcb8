#include "downloaders/news/NewsWordList.h"

#include "foundation/xml/CDataChild.h"
#include "foundation/xml/Element.h"

namespace {

// The attribute value after `marker` at or after `from`: its start and end (the closing
// quote). False when the marker or the closing quote is missing.
bool findQuoted(const std::wstring& page, const wchar_t* marker, size_t from, size_t& start, size_t& end) {
    const std::wstring name = marker;
    const size_t found = page.find(name, from);
    if (found == std::wstring::npos) return false;
    start = found + name.size();
    end = page.find(L'"', start);
    return end != std::wstring::npos;
}

}  // namespace

Element* createWordElement(const std::wstring& word, const std::wstring& value) {
    Element* element = new Element(L"Word");
    appendCDataChild(element, L"key", word);
    appendCDataChild(element, L"value", value);
    return element;
}

Element* readWordList(const std::wstring& page) {
    if (page.empty()) return nullptr;
    Element* list = new Element(L"WordList");
    size_t pos = 0;
    for (;;) {
        size_t wordStart, wordEnd, jpStart, jpEnd, typeStart, typeEnd;
        if (!findQuoted(page, L"data-word=\"", pos, wordStart, wordEnd)) break;
        if (!findQuoted(page, L"data-jp=\"", wordStart, jpStart, jpEnd)) break;
        if (!findQuoted(page, L"data-type=\"", jpStart, typeStart, typeEnd)) break;
        const std::wstring type = page.substr(typeStart, typeEnd - typeStart);
        const std::wstring japanese = page.substr(jpStart, jpEnd - jpStart);
        const std::wstring word = page.substr(wordStart, wordEnd - wordStart);
        list->appendChild(createWordElement(word, L"[" + type + L"] " + japanese));
        pos = typeEnd;
    }
    return list;
}
