#include "foundation/text/InnerText.h"

namespace {

// Enough of the page to recognise it, little enough for a message box.
const size_t kShownPageLength = 1000;

}  // namespace

InnerTextResult findInnerText(const std::wstring& text, const std::wstring& startTag, const std::wstring& endTag,
                              size_t from, std::wstring& inner) {
    inner.clear();
    if (from > text.size()) return InnerTextResult::NoStart;
    const size_t start = text.find(startTag, from);
    if (start == std::wstring::npos) return InnerTextResult::NoStart;
    const size_t begin = start + startTag.size();
    const size_t end = text.find(endTag, begin);
    if (end == std::wstring::npos) return InnerTextResult::NoEnd;
    inner = text.substr(begin, end - begin);
    return InnerTextResult::Found;
}

std::wstring innerTextFailure(InnerTextResult result, const std::wstring& text, const std::wstring& endTag) {
    if (result == InnerTextResult::NoStart) return text.substr(0, kShownPageLength);
    if (result == InnerTextResult::NoEnd) return endTag;
    return std::wstring();
}
