// Reading the content of a parsed sentence-list file.
#include "player/lyrics/SentenceListFile.h"
#include "player/lyrics/TimeText.h"

namespace {

// The child's whole text: CDATA sections, escaped text, or both, in document order.
std::wstring childText(const std::vector<Element*>& children, size_t index) {
    return index < children.size() ? children[index]->getAllText() : std::wstring();
}

SentenceGroup readGroup(const Element& group) {
    SentenceGroup read;
    read.start = parseTimeText(group.getAttribute(L"startTime"));
    // A missing end reads as 0, which the table shows as no end.
    read.end = parseTimeText(group.getAttribute(L"endTime"));
    const std::vector<Element*> children = group.getChildren();
    read.sentence = childText(children, 0);
    read.translation = childText(children, 1);
    read.explanation = childText(children, 2);
    return read;
}

bool isInside(const Node* node, const Node* ancestor) {
    for (; node != nullptr; node = node->getParent()) {
        if (node == ancestor) return true;
    }
    return false;
}

const Element* rootChildNamed(const Element& root, const std::wstring& name) {
    for (const Element* child : root.getChildren()) {
        if (child->getName() == name) return child;
    }
    return nullptr;
}

}  // namespace

bool readSentenceList(const Element& root, SentenceListContent& content) {
    // The word list is kept and written back whole, and the id3 fields are written anew:
    // groups inside either are no sentences, or each save would add or drop them.
    const Element* wordList = rootChildNamed(root, L"WordList");
    const Element* id3 = root.getElementByTagName(L"id3");
    std::vector<Element*> found;
    if (root.getName() == L"SentenceGroup") found.push_back(const_cast<Element*>(&root));
    root.getElementsByTagName(L"SentenceGroup", found);
    std::vector<const Element*> groups;
    for (const Element* group : found) {
        if (!isInside(group, wordList) && !isInside(group, id3)) groups.push_back(group);
    }
    if (groups.empty()) return false;

    content.audio = root.getAttribute(L"audio");
    content.groups.clear();
    content.groups.reserve(groups.size());
    for (const Element* group : groups) content.groups.push_back(readGroup(*group));

    content.hasWordList = wordList != nullptr;
    content.wordList = wordList != nullptr ? *wordList : Element(L"WordList");

    content.hasId3 = id3 != nullptr;
    content.id3 = ID3TagModel();
    if (id3 != nullptr) content.id3.readElement(*id3);
    return true;
}
