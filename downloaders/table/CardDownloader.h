// The marker cut of the photo and phrase downloaders as the user meets it: a page that
// lacks a marker shows which one, so that a changed page format is noticed. The cut
// itself is the foundation's findInnerText, with which the page readers cut silently;
// the dialogs then report what they missed through showMissingMarker.
#pragma once

#include <windows.h>

#include <string>

#include "foundation/text/InnerText.h"

class CardDownloader {
public:
    // The text between the first `startTag` at or after `from` and the next `endTag` after
    // it. A missing marker is shown in a message box (the first 1000 characters of the text
    // when the start marker is missing, the end marker when that is) and gives "".
    static std::wstring getInnerText(const std::wstring& text, const std::wstring& startTag,
                                     const std::wstring& endTag, size_t from);
    // Shows what getInnerText shows for a cut of `text` that findInnerText answered with
    // `result`; nothing when the text was found.
    static void showMissingMarker(InnerTextResult result, const std::wstring& text, const std::wstring& endTag,
                                  HWND owner = nullptr);
};
