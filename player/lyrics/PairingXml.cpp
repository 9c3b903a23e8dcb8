#include "player/lyrics/PairingXml.h"

#include <vector>

#include "foundation/system/StringUtils.h"
#include "player/lyrics/LanguageText.h"

namespace {

const wchar_t kDeclaration[] = L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>";

struct Pair {
    const std::wstring& english;
    const std::wstring& other;
};

// Calls write for each pair of runs, the English run first.
template <typename Write>
void forEachPair(const std::wstring& text, Write write) {
    std::vector<std::wstring> runs;
    const bool firstIsEnglish = splitByLanguage(text, runs);
    for (size_t i = 0; i + 1 < runs.size(); i += 2) {
        if (firstIsEnglish) {
            write(Pair{runs[i], runs[i + 1]});
        } else {
            write(Pair{runs[i + 1], runs[i]});
        }
    }
}

}  // namespace

std::wstring toCDataSection(const std::wstring& text) {
    return L"<![CDATA[" + replaceAll(text, L"]]>", L"]]]]><![CDATA[>") + L"]]>";
}

std::wstring toSentenceListXml(const std::wstring& text) {
    std::wstring out = kDeclaration;
    out += L"\r\n<SentenceList>\r\n";
    forEachPair(text, [&out](const Pair& pair) {
        out += L"\t<SentenceGroup>\r\n";
        out += L"\t\t<sentence>\r\n" + toCDataSection(pair.english) + L"\r\n\t\t</sentence>\r\n";
        out += L"\t\t<translation>\r\n" + toCDataSection(pair.other) + L"\r\n\t\t</translation>\r\n";
        out += L"\t</SentenceGroup>\r\n";
    });
    out += L"</SentenceList>\r\n";
    return out;
}

std::wstring toWordListXml(const std::wstring& text) {
    std::wstring out = kDeclaration;
    out += L"\r\n<SentenceList>\r\n\t<WordList>\r\n";
    forEachPair(text, [&out](const Pair& pair) {
        out += L"\t\t<Word>\t\t\t<key>\t\t" + toCDataSection(pair.english) + L"\r\n\t\t\t</key>";
        out += L"\t\t\t<value>\t\t" + toCDataSection(pair.other) + L"\r\n\t\t\t</value>";
        out += L"\t\t</Word>\r\n";
    });
    out += L"\t</WordList>\r\n</SentenceList>\r\n";
    return out;
}
