// Turns an HTML page into plain text with line structure (paragraphs, list items, table
// rows), keeps the title and the readings of ruby annotations, and records every opening
// tag with its attributes. A single forward scan that never fails and never throws.
#pragma once

#include <map>
#include <string>
#include <vector>

class Element;

class HTMLParser {
public:
    HTMLParser();
    ~HTMLParser();
    HTMLParser(const HTMLParser&) = delete;
    HTMLParser& operator=(const HTMLParser&) = delete;

    // Resets everything (elements of an earlier page are deleted), then scans the page.
    void parse(const std::wstring& page);

    const std::wstring& getText() const { return mText; }
    const std::wstring& getTitle() const { return mTitle; }
    const std::map<std::wstring, std::wstring>& getRubies() const { return mRubies; }
    // The elements recorded for a tag name, in document order; owned by the parser.
    std::vector<Element*> getElementsByTagName(const std::wstring& tag) const;

    // Replaces the character references of the table; stops at the first "&" with no ";".
    static std::wstring decodeCharacterReferences(const std::wstring& text);

private:
    void reset();
    void retrieveTagAndAttributes();
    void handleTag(bool insidePre);
    bool handleListItem(bool endTag, const std::wstring& name);
    bool skipToEndTag(const std::wstring& endTag);
    // Each collector reads up to its end tag and leaves that end tag as the tag read last,
    // also when the page ends first: a tag inside is never handled again by the caller.
    void collectPre();
    void collectLinkText();
    void collectRuby();
    void treatAsClosedBy(const wchar_t* endTag);
    void handleList(bool endTag);
    void newLine();
    void emit(int kind);
    void flush();

    size_t mPosition = 0;
    std::wstring mSource;
    std::wstring mTitle;
    std::wstring mTagName;
    std::wstring mPending;
    std::wstring mText;
    std::map<std::wstring, std::wstring> mRubies;
    std::map<std::wstring, std::wstring> mAttributes;
    bool mEmptyTag = false;  // the tag read last closed itself ("<br />")
    std::map<std::wstring, std::vector<Element*>> mElementsByTag;

    std::wstring mListType;
    int mListDepth = 0;
    int mListStart = 1;
    int mListCount = 0;
    bool mItemPending = false;
};
