// Machine translation of an English text into Japanese through a web translation page:
// the text goes in the page's query, the translation is cut out of the returned HTML.
// Blocks the calling thread for the whole request.
#pragma once

#include <string>

// Settings section and key of the translation service's address (scheme, host and
// optional port, no path), so that another service or a local test server can answer.
extern const wchar_t kTranslationSection[];
extern const wchar_t kTranslationAddressKey[];
extern const wchar_t kDefaultTranslationAddress[];

// The page address for the text: the service address, the fixed path and query, and the
// cleaned text as UTF-8, percent-encoded.
std::string translationPageUrl(const std::wstring& serviceAddress, const std::wstring& text);

// The translation in the page: the text of the first span that starts with the marker
// "backgroundColor='#fff'\">" after "<span id=result_box", up to the next "</span>". False
// when a marker is missing; `failure` is then what to show: the start of the page (1000
// characters at most) or the missing end marker.
bool cutTranslation(const std::wstring& page, std::wstring& translation, std::wstring& failure);

// The translation, or "" when the page can't be fetched or holds no result (a message
// saying the translation could not be fetched, or the missing marker, is then shown
// through the shared message box).
std::wstring translateText(const std::wstring& text);
