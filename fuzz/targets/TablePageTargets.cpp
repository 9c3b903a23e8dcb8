// The readers of the table downloaders' pages on damaged and crafted pages: they never
// crash nor loop, and what they hand on holds only text found between its markers.
#include <stdexcept>

#include "downloaders/table/PhotoIndexPage.h"
#include "fuzz/FuzzTarget.h"
#include "fuzz/targets/TextInput.h"

namespace {

void readPhotoIndexPage(const uint8_t* data, size_t size) {
    const std::wstring page = decodeFuzzInput(data, size);
    const PhotoIndex index = readPhotoIndex(page);
    for (const PhotoEntry& entry : index.entries) {
        if (entry.url.empty() || entry.title.empty() || entry.url.find(L'"') != std::wstring::npos ||
            entry.title.find(L"</span>") != std::wstring::npos) {
            throw std::runtime_error("a photo entry holds more than its markers enclose");
        }
    }
}

const std::vector<std::string> kPhotoTokens = {
    "<a itemprop=image rel=", "href=\"", "\"", "<span itemprop=name>", "</span>", "/pics", "/pics/a.jpg"};

FuzzTargetRegistration photoIndex({"photo-index", readPhotoIndexPage, kPhotoTokens, {}});

}  // namespace
