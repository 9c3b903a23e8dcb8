#include "downloaders/news/SnsEnglishPages.h"

#include "downloaders/news/NewsScraping.h"
#include "downloaders/news/SentenceGroupBuilder.h"
#include "foundation/system/ParserException.h"
#include "foundation/system/StringUtils.h"
#include "foundation/xml/CharacterReferences.h"

namespace {

const wchar_t kSentenceMarker[] = L"<div class=\"sentence\">";
const wchar_t kAudioMarker[] = L"<script>getAudio";
const wchar_t kJapaneseMarker[] = L"<div class=\"sentence-jp\">";
const wchar_t kExplainMarker[] = L"<p class=\"explain\">";
const wchar_t kBlockMarker[] = L"<div class=\"sentence-block\">";
const wchar_t kSentenceEnd[] = L"</div><!-- /.sentence -->";
const wchar_t kBlockEnd[] = L"</div><!-- /.sentence-block -->";
const wchar_t kBadgeMarker[] = L"<div class=\"badge-secondary\">";

[[noreturn]] void fail(const std::wstring& message) { throw ParserException(message, 0, 0); }

size_t length(const wchar_t* marker) { return std::char_traits<wchar_t>::length(marker); }

// The text from `from` up to the next `end`; throws "Not found" when there is no end,
// rather than reading to a position that does not exist.
std::wstring textUpTo(const std::wstring& page, size_t from, const std::wstring& end, size_t& endPos) {
    endPos = page.find(end, from);
    if (endPos == std::wstring::npos) fail(L"\r\nNot found " + end + L"\r\n");
    return page.substr(from, endPos - from);
}

}  // namespace

SnsSummary readSnsSummary(const std::wstring& page) {
    if (page.empty()) fail(L"\rhtml text is not found.\r\n");
    const size_t s = page.find(L"<div id=\"summary\"");
    const size_t e = s == std::wstring::npos ? s : page.find(L"<!-- /#summary -->", s);
    if (e == std::wstring::npos) fail(page + L"\r\n1 description text is not found.\r\n");
    const std::wstring block = page.substr(s, e - s);
    SnsSummary summary;
    std::wstring description = replaceAll(getInnerText(block, L"<p>", L"</p>", 0), L"\r\n", L"");
    description = replaceAll(decodeCharacterReferences(description, false), L"<br />", L"\r\n");
    if (description.empty()) fail(page + L"\r\n2 description text is not found.\r\n");
    summary.description = description;

    summary.dateLine = getInnerText(page, L"<div class=\"sdate\">", L"</div>", 0);
    if (summary.dateLine.empty()) fail(L"\r\real time text is not found.\r\n");

    const std::wstring english = L"class=\"title-en\">";
    if (page.find(english) == std::wstring::npos) fail(page + L"------\r\n" + english + L" is not found.\r\n");
    const std::wstring japanese = L"class=\"title-jp\">";
    if (page.find(japanese) == std::wstring::npos) fail(L"\r\n" + japanese + L" is not found.\r\n");
    const std::wstring title =
        getInnerText(page, english, L"</", 0) + L" - " + getInnerText(page, japanese, L"</", 0);
    summary.title = removeTags(decodeCharacterReferences(title, false));
    return summary;
}

Element* parseSnsSentenceGroup(const std::wstring& page, size_t& pos) {
    size_t s = page.find(kSentenceMarker, pos);
    if (s == std::wstring::npos) return nullptr;
    s += length(kSentenceMarker);
    const size_t a = page.find(kAudioMarker, s);
    if (a == std::wstring::npos) fail(L"\r\n<script>getAudio tag is not found.\r\n");
    std::wstring sentence = replaceAll(replaceAll(page.substr(s, a - s), L"<br />", L""), L"\n", L"");
    sentence = trimString(sentence, L" \t\r\n");

    const size_t j = page.find(kJapaneseMarker, a + length(kAudioMarker));
    if (j == std::wstring::npos) fail(L"\r\n<div class=\"sentence-jp\"> tag is not found.\r\n");
    size_t translationEnd = 0;
    const std::wstring translation =
        replaceAll(textUpTo(page, j + length(kJapaneseMarker), L"</div>", translationEnd), L"\n", L"");

    const size_t x = page.find(kExplainMarker, translationEnd);
    if (x == std::wstring::npos) fail(L"\r\nNot found " + std::wstring(kExplainMarker));
    size_t explanationEnd = 0;
    const std::wstring explanation = textUpTo(page, x + length(kExplainMarker), L"</p>", explanationEnd);
    pos = explanationEnd;
    return buildSentenceGroup(sentence, translation, explanation);
}

std::wstring cleanKeywordPage(const std::wstring& page) {
    std::wstring text = replaceAll(page, L"\t", L" ");
    text = replaceAll(text, L"    ", L"");
    return replaceAll(text, L"   ", L"");
}

Element* parseSnsKeywordGroup(const std::wstring& page, size_t& pos) {
    const size_t s = page.find(kBlockMarker, pos);
    if (s == std::wstring::npos) return nullptr;
    size_t t = page.find(kSentenceMarker, s);
    if (t == std::wstring::npos) fail(std::wstring(kSentenceMarker) + L"\r\nNot found \r\n");
    t += length(kSentenceMarker);
    const size_t u = page.find(kSentenceEnd, t);
    if (u == std::wstring::npos) fail(std::wstring(kSentenceEnd) + L"\r\nNot found \r\n");
    const std::wstring keySentence = trimString(page.substr(t, u - t), L" \t\r\n");
    const size_t blockStart = u + length(kSentenceEnd);
    const size_t v = page.find(kBlockEnd, blockStart);
    if (v == std::wstring::npos) fail(page + L"\r\nNot found " + kBlockEnd + L"\r\n");
    const std::wstring block = page.substr(blockStart, v - blockStart);

    std::wstring english;
    std::wstring japanese;
    int n = 1;
    size_t b = block.find(kBadgeMarker);
    while (b != std::wstring::npos) {
        size_t c = block.find(L"</div>", b + length(kBadgeMarker));
        if (c == std::wstring::npos) break;
        c += 6;
        const size_t g = block.find(kAudioMarker, c);
        if (g == std::wstring::npos) break;
        english += std::to_wstring(n) + L". " + block.substr(c, g - c) + L"<br />";
        size_t j = block.find(kJapaneseMarker, g);
        if (j == std::wstring::npos) break;
        j += length(kJapaneseMarker);
        const size_t k = block.find(L"</div>", j);
        if (k == std::wstring::npos) break;
        japanese += std::to_wstring(n) + L". " + block.substr(j, k - j) + L"<br />";
        b = block.find(kBadgeMarker, k);
        ++n;
    }
    pos = v;
    return buildSentenceGroup(english, japanese, keySentence);
}
