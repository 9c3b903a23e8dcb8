#include "words/WebTranslation.h"

#include "foundation/http/InternetDownload.h"
#include "foundation/http/PercentEncoding.h"
#include "foundation/encoding/StringConversion.h"
#include "foundation/system/MessageBoxes.h"
#include "foundation/text/InnerText.h"
#include "player/settings/Settings.h"

const wchar_t kTranslationSection[] = L"Translation";
const wchar_t kTranslationAddressKey[] = L"ServiceAddress";
const wchar_t kDefaultTranslationAddress[] = L"http://translate.google.com";

namespace {

const char kPathAndQuery[] = "/translate_t?hl=ja&langpair=en%7Cja&text=";
const wchar_t kResultBox[] = L"<span id=result_box";
const wchar_t kResultStart[] = L"backgroundColor='#fff'\">";
const wchar_t kResultEnd[] = L"</span>";
const wchar_t kNotFetched[] = L"The translation could not be fetched.";

// Line breaks become blanks and typographic quotes plain ones: the service reads one line.
std::wstring cleanText(const std::wstring& text) {
    std::wstring clean = text;
    for (wchar_t& c : clean) {
        switch (c) {
            case L'\r':
            case L'\n':
                c = L' ';
                break;
            case 0x2019:
                c = L'\'';
                break;
            case 0x201C:
            case 0x201D:
                c = L'"';
                break;
            default:
                break;
        }
    }
    return clean;
}

}  // namespace

std::string translationPageUrl(const std::wstring& serviceAddress, const std::wstring& text) {
    return toString(serviceAddress) + kPathAndQuery + percentEncodeUtf8(cleanText(text));
}

bool cutTranslation(const std::wstring& page, std::wstring& translation, std::wstring& failure) {
    translation.clear();
    const size_t box = page.find(kResultBox);
    const InnerTextResult result = box == std::wstring::npos
                                       ? InnerTextResult::NoStart
                                       : findInnerText(page, kResultStart, kResultEnd, box, translation);
    failure = innerTextFailure(result, page, kResultEnd);
    return result == InnerTextResult::Found;
}

std::wstring translateText(const std::wstring& text) {
    // Read at each call: no state shared between threads that translate at once.
    const std::wstring address = readIniString(kTranslationSection, kTranslationAddressKey, kDefaultTranslationAddress);
    const std::wstring page = utf8ToWString(DownloadString(translationPageUrl(address, text), "GET", ""));
    // No page (the service did not answer, or answered with an error) has no marker to show.
    if (page.empty()) {
        showMessageW(kNotFetched);
        return std::wstring();
    }
    std::wstring translation;
    std::wstring failure;
    // A missing marker is shown, so that a changed page format is noticed.
    if (!cutTranslation(page, translation, failure)) showMessageW(failure);
    return translation;
}
