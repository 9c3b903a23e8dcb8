// Writing the text of a sentence-list file.
#include <memory>

#include "foundation/system/PathResolution.h"
#include "player/lyrics/SentenceListFile.h"

namespace {

const wchar_t kCDataEnd[] = L"]]>";

// A CDATA section holding the text. A "]]>" inside would end it early: the section is
// closed after its "]]" and a new one starts with the ">", which reads back as one text.
void appendCData(std::wstring& out, const std::wstring& text) {
    out += L"<![CDATA[";
    size_t from = 0;
    for (size_t at = text.find(kCDataEnd); at != std::wstring::npos; at = text.find(kCDataEnd, from)) {
        out.append(text, from, at + 2 - from);
        out += L"]]><![CDATA[";
        from = at + 2;
    }
    out.append(text, from, std::wstring::npos);
    out += L"]]>";
}

void appendField(std::wstring& out, const wchar_t* name, const std::wstring& text) {
    out += L"\t\t<";
    out += name;
    out += L">\r\n";
    appendCData(out, text);
    out += L"\r\n\t\t</";
    out += name;
    out += L">\r\n";
}

void appendGroup(std::wstring& out, const SentenceListRow& row) {
    out += L"\t<SentenceGroup startTime='" + Element::escapeXml(row.startText) + L"'";
    if (!row.endText.empty()) out += L" endTime='" + Element::escapeXml(row.endText) + L"'";
    out += L">\r\n";
    appendField(out, L"sentence", row.sentence);
    appendField(out, L"translation", row.translation);
    if (!row.explanation.empty()) appendField(out, L"explanation", row.explanation);
    out += L"\t</SentenceGroup>\r\n";
}

}  // namespace

std::wstring buildSentenceListXml(const std::wstring& audio, const Element& wordList, const ID3TagModel& id3,
                                  const std::vector<SentenceListRow>& rows) {
    std::wstring out = L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n";
    out += L"<SentenceList audio=\"" + Element::escapeXml(audio) + L"\">\r\n";
    out += wordList.toXML() + L"\r\n";
    const std::unique_ptr<Element> id3Element(id3.toElement());
    out += id3Element->toXML() + L"\r\n";
    for (const SentenceListRow& row : rows) appendGroup(out, row);
    out += L"</SentenceList>\r\n";
    return out;
}

std::wstring audioPathForSentenceList(const std::wstring& audioPath, const std::wstring& xmlPath) {
    const std::wstring relative = getRelativePath(xmlPath, audioPath);
    if (relative.empty()) return audioPath;
    // Only the leading ".\" goes: a file in a sub-folder keeps its folder.
    if (relative.compare(0, 2, L".\\") == 0) return relative.substr(2);
    return relative;
}
