#include "downloaders/table/PhotoIndexPage.h"

namespace {

const wchar_t kAnchor[] = L"<a itemprop=image rel=";
const wchar_t kLinkStart[] = L"href=\"";
const wchar_t kLinkEnd[] = L"\"";
const wchar_t kTitleStart[] = L"<span itemprop=name>";
const wchar_t kTitleEnd[] = L"</span>";
// The next entry is looked for past the anchor marker itself.
const size_t kAnchorStep = 50;

}  // namespace

PhotoIndex readPhotoIndex(const std::wstring& html) {
    PhotoIndex index;
    size_t position = html.find(kAnchor);
    while (position != std::wstring::npos) {
        PhotoEntry entry;
        InnerTextResult result = findInnerText(html, kLinkStart, kLinkEnd, position, entry.url);
        if (result != InnerTextResult::Found || entry.url.empty()) {
            index.failure = result;
            index.missingEndTag = kLinkEnd;
            break;
        }
        result = findInnerText(html, kTitleStart, kTitleEnd, position, entry.title);
        if (result != InnerTextResult::Found || entry.title.empty()) {
            index.failure = result;
            index.missingEndTag = kTitleEnd;
            break;
        }
        index.entries.push_back(entry);
        position = html.find(kAnchor, position + kAnchorStep);
    }
    return index;
}
