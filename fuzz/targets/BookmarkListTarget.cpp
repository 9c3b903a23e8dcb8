// The opened-files list on damaged files: after tidying, the root is "Files" and every
// entry left has a child, whatever the file held (entries nested in entries included).
#include <stdexcept>

#include "foundation/system/ParserException.h"
#include "foundation/xml/Element.h"
#include "foundation/xml/XMLParser.h"
#include "fuzz/FuzzTarget.h"
#include "fuzz/targets/TextInput.h"
#include "texteditor/bookmarks/BookmarkManager.h"

namespace {

void readBookmarkList(const uint8_t* data, size_t size) {
    XMLParser list;
    try {
        if (!list.parseString(decodeFuzzInput(data, size))) return;
    } catch (const ParserException&) {
        return;
    }
    // Half the named files "exist", so that both kinds of entry are met.
    BookmarkManager::tidyList(list, [](const std::wstring& path) { return path.size() % 2 == 0; });
    const Element* root = list.getRootElement();
    if (root == nullptr || root->getName() != L"Files") throw std::runtime_error("the tidied list has no Files root");
    for (const Element* file : list.getElementsByTagName(L"File")) {
        if (file->getFirstChild() == nullptr) throw std::runtime_error("an entry without bookmarks was kept");
        if (file->getAttribute(L"path").size() % 2 != 0) throw std::runtime_error("a vanished file was kept");
    }
}

FuzzTargetRegistration bookmarkList({"bookmarkList", readBookmarkList,
                                     {"<Files>", "</Files>", "<File ", "</File>", "path=\"", "<Bookmark ",
                                      "line=\"", "/>", "-1", "2147483648"},
                                     {}});

}  // namespace
