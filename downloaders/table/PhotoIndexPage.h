// Reads the photo entries of an index page of the public-domain photo site: each entry
// starts at an image anchor and has the link and the title that follow it.
#pragma once

#include <string>
#include <vector>

#include "foundation/text/InnerText.h"

struct PhotoEntry {
    std::wstring url;    // as the page has it, often a path beginning with "/pics"
    std::wstring title;  // the photo's name
};

struct PhotoIndex {
    std::vector<PhotoEntry> entries;
    // Why reading stopped before the page's end: a marker missing (Found: it did not).
    InnerTextResult failure = InnerTextResult::Found;
    std::wstring missingEndTag;
};

PhotoIndex readPhotoIndex(const std::wstring& html);
