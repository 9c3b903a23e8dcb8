// The descriptive fields of a lesson (title, description, sites, category, date), kept
// with its sentence list as an "id3" element and edited in the ID3 editor.
#pragma once

#include <string>

class Element;

class ID3TagModel {
public:
    std::wstring getTitle() const { return mTitle; }
    std::wstring getDescription() const { return mDescription; }
    std::wstring getOfficialSite() const { return mOfficialSite; }
    std::wstring getSourceUrl() const { return mSourceUrl; }
    std::wstring getCategory() const { return mCategory; }
    int getYear() const { return mYear; }
    int getMonth() const { return mMonth; }
    int getDay() const { return mDay; }

    void setTitle(const std::wstring& value) { mTitle = value; }
    void setDescription(const std::wstring& value) { mDescription = value; }
    void setOfficialSite(const std::wstring& value) { mOfficialSite = value; }
    void setSourceUrl(const std::wstring& value) { mSourceUrl = value; }
    void setCategory(const std::wstring& value) { mCategory = value; }
    void setYear(int value) { mYear = value; }
    void setMonth(int value) { mMonth = value; }
    void setDay(int value) { mDay = value; }

    // A new "id3" element (the caller owns it) with "title", "description" (CDATA),
    // "officialSite", "sourceUrl", "category", "year" ("%04d"), "month", "day" ("%02d").
    // Texts are escaped when the element is written.
    Element* toElement() const;
    // Takes the fields from an "id3" element: each the whole text of its child (plain,
    // escaped or CDATA), empty when missing; the date with the defaults 2018-01-01.
    void readElement(const Element& id3);

private:
    std::wstring mTitle;
    std::wstring mDescription;
    std::wstring mOfficialSite;
    std::wstring mSourceUrl;
    std::wstring mCategory;
    int mYear = 0;
    int mMonth = 0;
    int mDay = 0;
};

// Appends a text node holding `text` to the element, unless the text is empty.
void appendTextChild(Element* element, const std::wstring& text);
