#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "foundation/xml/Element.h"
#include "foundation/xml/XMLParser.h"
#include "player/mp3/ID3EditorDialog.h"
#include "player/mp3/ID3TagModel.h"
#include "testsupport/TestWindows.h"

namespace {

ID3TagModel lessonModel() {
    ID3TagModel model;
    model.setTitle(L"News & Views <today>");
    model.setDescription(L"A lesson ]]> with an end mark");
    model.setOfficialSite(L"http://127.0.0.1/lesson?a=1&b=2");
    model.setSourceUrl(L"http://127.0.0.1/audio.mp3");
    model.setCategory(L"");
    model.setYear(2021);
    model.setMonth(3);
    model.setDay(5);
    return model;
}

ID3TagModel readBack(const std::wstring& xml) {
    XMLParser parser;
    EXPECT_TRUE(parser.parseString(xml));
    ID3TagModel model;
    if (Element* id3 = parser.getElementByTagName(L"id3")) model.readElement(*id3);
    return model;
}

}  // namespace

TEST(ID3TagElement, WritesEveryFieldEscapedAndReadsItBack) {
    const ID3TagModel model = lessonModel();
    std::unique_ptr<Element> element(model.toElement());
    const std::wstring xml = element->toXML();
    EXPECT_NE(xml.find(L"<title>News &amp; Views &lt;today&gt;</title>"), std::wstring::npos) << xml;
    EXPECT_NE(xml.find(L"<officialSite>http://127.0.0.1/lesson?a=1&amp;b=2</officialSite>"), std::wstring::npos);
    EXPECT_NE(xml.find(L"<category></category>"), std::wstring::npos);
    EXPECT_NE(xml.find(L"<year>2021</year>"), std::wstring::npos);
    EXPECT_NE(xml.find(L"<month>03</month>"), std::wstring::npos);
    EXPECT_NE(xml.find(L"<day>05</day>"), std::wstring::npos);
    EXPECT_NE(xml.find(L"<![CDATA["), std::wstring::npos);
    std::vector<std::wstring> names;
    for (Element* child : element->getChildren()) names.push_back(child->getName());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"title", L"description", L"officialSite", L"sourceUrl", L"category",
                                                 L"year", L"month", L"day"}));

    const ID3TagModel back = readBack(L"<SentenceList>" + xml + L"</SentenceList>");
    EXPECT_EQ(back.getTitle(), model.getTitle());
    EXPECT_EQ(back.getOfficialSite(), model.getOfficialSite());
    EXPECT_EQ(back.getSourceUrl(), model.getSourceUrl());
    EXPECT_EQ(back.getCategory(), L"");
    EXPECT_EQ(back.getYear(), 2021);
    EXPECT_EQ(back.getMonth(), 3);
    EXPECT_EQ(back.getDay(), 5);
}

TEST(ID3TagElement, ReadsPlainEscapedAndCDataTextsAlike) {
    const ID3TagModel model = readBack(
        L"<id3><title><![CDATA[Old & CDATA]]></title><officialSite>http://127.0.0.1/?x=1&amp;y=2</officialSite>"
        L"<sourceUrl>plain</sourceUrl><category>Cat &lt;1&gt;</category>"
        L"<description>\r\n  \t </description></id3>");
    EXPECT_EQ(model.getTitle(), L"Old & CDATA");
    EXPECT_EQ(model.getOfficialSite(), L"http://127.0.0.1/?x=1&y=2");
    EXPECT_EQ(model.getSourceUrl(), L"plain");
    EXPECT_EQ(model.getCategory(), L"Cat <1>");
    EXPECT_EQ(model.getDescription(), L"");  // blanks only
    // A missing date takes 2018-01-01.
    EXPECT_EQ(model.getYear(), 2018);
    EXPECT_EQ(model.getMonth(), 1);
    EXPECT_EQ(model.getDay(), 1);
}

class ID3Editor : public ::testing::Test {
protected:
    void SetUp() override {
        model = lessonModel();
        model.setCategory(L"Business");
        ASSERT_TRUE(showModelessDialog(nullptr, dialog));
        pumpMessages();
    }
    void TearDown() override {
        if (dialog.m_hWnd) dialog.close(Dialog::kCancelId);
        pumpMessages();
    }
    void press(int id) {
        ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
        pumpMessages();
    }

    ID3TagModel model;
    ID3EditorDialog dialog{&model};
};

TEST_F(ID3Editor, ShowsTheModelAndOkStoresTheEditedFields) {
    EXPECT_EQ(dialog.getTitleField().getTextCopy(), L"News & Views <today>");
    EXPECT_EQ(dialog.getCategoryField().getTextCopy(), L"Business");
    EXPECT_EQ(dialog.getYearField().getValue(), 2021);
    EXPECT_EQ(dialog.getDayField().getValue(), 5);
    dialog.getTitleField().setText(std::wstring(L"新しい題"));
    dialog.getSourceUrlField().setText(std::wstring(L"http://127.0.0.1/new.mp3"));
    dialog.getMonthField().setValue(12);
    dialog.getDayField().setValue(40);  // clamped to 31
    press(Dialog::kOkId);
    EXPECT_EQ(model.getTitle(), L"新しい題");
    EXPECT_EQ(model.getSourceUrl(), L"http://127.0.0.1/new.mp3");
    EXPECT_EQ(model.getOfficialSite(), L"http://127.0.0.1/lesson?a=1&b=2");
    EXPECT_EQ(model.getMonth(), 12);
    EXPECT_EQ(model.getDay(), 31);
    EXPECT_EQ(model.getDescription(), L"A lesson ]]> with an end mark");
}

TEST_F(ID3Editor, CancelLeavesTheModelAsItWas) {
    dialog.getTitleField().setText(std::wstring(L"typed"));
    dialog.getYearField().setValue(1999);
    press(Dialog::kCancelId);
    EXPECT_EQ(model.getTitle(), L"News & Views <today>");
    EXPECT_EQ(model.getYear(), 2021);
}

TEST_F(ID3Editor, WidensTheUrlFieldsWithTheDialog) {
    RECT client{};
    ::GetClientRect(dialog.m_hWnd, &client);
    const int expected = client.right - dialog.getOfficialSiteField().getX() - 12;
    EXPECT_EQ(dialog.getTitleField().getWidth(), expected);
    EXPECT_EQ(dialog.getSourceUrlField().getWidth(), expected);
    EXPECT_EQ(dialog.getCategoryField().getWidth(), 120);
    // The date fields stand side by side without gaps.
    EXPECT_EQ(dialog.getMonthField().getX(), dialog.getYearField().getX() + dialog.getYearField().getWidth());
    EXPECT_EQ(dialog.getDayField().getX(), dialog.getMonthField().getX() + dialog.getMonthField().getWidth());
}

// Holds the editor open for a few seconds, for a screenshot.
TEST_F(ID3Editor, DISABLED_StaysOpenForAScreenshot) {
    pumpUntil([] { return false; }, 6000);
}
