#include "downloaders/table/CardDownloader.h"

#include "foundation/system/MessageBoxes.h"

std::wstring CardDownloader::getInnerText(const std::wstring& text, const std::wstring& startTag,
                                          const std::wstring& endTag, size_t from) {
    std::wstring inner;
    showMissingMarker(findInnerText(text, startTag, endTag, from, inner), text, endTag);
    return inner;
}

void CardDownloader::showMissingMarker(InnerTextResult result, const std::wstring& text, const std::wstring& endTag,
                                       HWND owner) {
    if (result != InnerTextResult::Found) showMessageW(innerTextFailure(result, text, endTag), owner);
}
