// Reading the player formats of the .lrc export from the root of "Resources/Lyrics.txt".
#include <vector>

#include "foundation/encoding/StringConversion.h"
#include "foundation/xml/Element.h"
#include "player/lyrics/LyricsInfoManager.h"

namespace {

CorvantaHeader readPlayerFormat(const Element& element) {
    CorvantaHeader format;
    format.name = toString(element.getAttribute(L"name"));
    format.appName = toString(element.getAttribute(L"appName"));
    format.headerName = toString(element.getAttribute(L"headerName"));
    format.version = toString(element.getAttribute(L"version"));
    format.language = toString(element.getAttribute(L"language"));
    format.encoding = element.getAttribute(L"encoding");
    format.x = element.getIntAttribute(L"x", 0);
    format.y = element.getIntAttribute(L"y", 0);
    format.width = element.getIntAttribute(L"width", 0);
    format.rowCount = element.getIntAttribute(L"rowCount", 0);
    format.fontSize = element.getIntAttribute(L"fontSize", 0);
    // Absent means the usual "."; present but empty means no hundredths at all.
    format.extendedTag = element.getAttribute(L"extendedTag", L".");
    return format;
}

}  // namespace

bool LyricsInfoManager::loadPlayerFormats(const Element& root) {
    playerFormats.clear();
    std::vector<Element*> found;
    root.getElementsByTagName(L"PlayerFormat", found);
    if (found.empty()) root.getElementsByTagName(L"Format", found);
    for (const Element* element : found) playerFormats.push_back(readPlayerFormat(*element));
    return !playerFormats.empty();
}
