#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "downloaders/tests/VoaLessonFiles.h"
#include "downloaders/voa/CategoryKey.h"
#include "downloaders/voa/LessonEntry.h"
#include "downloaders/voa/LessonListings.h"
#include "downloaders/voa/LessonPage.h"
#include "downloaders/voa/TextBetween.h"
#include "foundation/xml/Element.h"
#include "testsupport/TestWindows.h"

namespace {

const std::wstring kBase = kLessonPublishingBase;

// A catalogue document built in memory: category items under the root, lessons under them.
class Catalogue {
public:
    Element& add(const std::wstring& key) {
        auto* category = new Element(L"TreeItem");
        category->setAttribute(L"path", key);
        root->appendChild(category);
        return *category;
    }
    static void addLesson(Element& category, const std::wstring& path) {
        auto* lesson = new Element(L"TreeItem");
        lesson->setAttribute(L"path", path);
        category.appendChild(lesson);
    }
    Element* root = new Element(L"voa.xml");
    ~Catalogue() { delete root; }
};

}  // namespace

TEST(VoaCategoryKey, BlanksAndDotsBecomeUnderscoresAndTheRestLowerCase) {
    EXPECT_EQ(L"science_in_the_news", toCategoryKey(L"Science in the News"));
    EXPECT_EQ(L"u_s__history", toCategoryKey(L"U.S. History"));
    EXPECT_EQ(L"\u00e9t\u00e9_\u65e5\u672c", toCategoryKey(L"\u00c9T\u00c9 \u65e5\u672c"));
    EXPECT_EQ(L"", toCategoryKey(L""));
}

TEST(VoaTextBetween, CutsAfterTheStartMarkerUpToTheEndMarker) {
    EXPECT_EQ(L"b", extractBetween(L"a<b>c", L"<", L">"));
    EXPECT_EQ(L"d", extractBetween(L"<a><d>", L"<", L">", 2));
    EXPECT_EQ(L"", extractBetween(L"abc", L"<", L">"));
    EXPECT_EQ(L"", extractBetween(L"a<bc", L"<", L">"));
    EXPECT_EQ(L"bc", extractBetween(L"a<bc", L"<", L">", 0, true));
    EXPECT_EQ(L"bc", extractBetween(L"a<bc", L"<", L"", 0, true));
    EXPECT_EQ(L"", extractBetween(L"a<", L"<", L">", 0, true));
}

TEST(VoaLessonPage, DatesWithFewerSlashesStayInsideTheText) {
    struct Case {
        const wchar_t* date;
        const wchar_t* year;
        const wchar_t* month;
        const wchar_t* day;
    };
    const Case cases[] = {
        {L"2011/03/30", L"2011", L"03", L"30"}, {L"2011/3/4/5", L"2011", L"3/4", L"5"},
        {L"2011/30", L"2011", L"", L"30"},      {L"2011", L"2011", L"", L""},
        {L"", L"", L"", L""},                   {L"/", L"", L"", L""},
        {L"2011/", L"2011", L"", L""},          {L"//", L"", L"", L""},
    };
    for (const Case& c : cases) {
        const LessonDate date = splitLessonDate(c.date);
        EXPECT_EQ(c.year, date.year) << c.date;
        EXPECT_EQ(c.month, date.month) << c.date;
        EXPECT_EQ(c.day, date.day) << c.date;
    }
}

TEST(VoaLessonPage, TheId3BlockTakesTitleDateAndFileFromThePage) {
    const std::wstring page =
        L"<html><head><title>Water on the Moon | Science in the News | VOA</title></head><body>"
        L"<span class=\"date\" id=\"live_date\">2011/03/30</span>"
        L"<embed src=\"player.swf?file=http://127.0.0.1/mp3/moon.mp3&autostart=false\"></body></html>";
    const LessonPageTags tags = readLessonPage(page);
    EXPECT_EQ(L"Water on the Moon", tags.title);
    EXPECT_EQ(L"http://127.0.0.1/mp3/moon.mp3", tags.file);
    EXPECT_EQ(L"\t<id3>\r\n"
              L"\t\t<title>Water on the Moon</title>\r\n"
              L"\t\t<category></category>\r\n"
              L"\t\t<officialSite>http://127.0.0.1/moon.html</officialSite>\r\n"
              L"\t\t<sourceUrl>http://127.0.0.1/mp3/moon.mp3</sourceUrl>\r\n"
              L"\t\t<year>2011</year>\r\n\t\t<month>03</month>\r\n\t\t<day>30</day>\r\n"
              L"\t</id3>\r\n",
              buildId3Text(L"http://127.0.0.1/moon.html", tags));
    // A page without the markers gives empty values, not a failure.
    const std::wstring bare = buildId3Text(L"x", readLessonPage(L"<html>no markers</html>"));
    EXPECT_NE(bare.find(L"<title></title>"), std::wstring::npos);
    EXPECT_NE(bare.find(L"<year></year>"), std::wstring::npos);
}

TEST(VoaLessonEntry, TheXmlLinkIsTheMp3NameInTheCategoryFolder) {
    const std::wstring entry = buildLessonEntry(L"Moon", L"2011/03/30", L"http://127.0.0.1/moon.html",
                                                L"http://127.0.0.1/mp3/moon.water.mp3", L"Science in the News", L"D");
    EXPECT_EQ(L"<div class=\"contents\">\r\n<span class=\"date\">2011/03/30</span>\r\n"
              L"<div class=\"title\">\r\nMoon</div>\r\n<div class=\"description\">\r\nD</div>\r\n"
              L"<div class=\"file\">\r\n"
              L"<a href=\"http://127.0.0.1/moon.html\" target=\"_blank\">Site</a>\r\n"
              L"<a href=\"" + kBase + L"science_in_the_news/moon.water.xml\" target=\"_blank\">XML</a>\r\n"
              L"<a href=\"http://127.0.0.1/mp3/moon.water.mp3\" target=\"_blank\">MP3</a>\r\n"
              L"</div>\r\n</div>\r\n",
              entry);
    // Without "/" in the MP3 address only ".xml" follows the base address.
    EXPECT_NE(buildLessonEntry(L"", L"", L"", L"moon.mp3", L"c", L"").find(L"href=\"" + kBase + L".xml\""),
              std::wstring::npos);
    // A file name without a dot keeps the host name whole.
    EXPECT_NE(buildLessonEntry(L"", L"", L"", L"http://h/mp3/moon", L"c", L"").find(L"href=\"" + kBase + L"c/moon.xml\""),
              std::wstring::npos);
}

TEST(VoaLessonEntry, MissingDateElementsTakeDefaultsAndBrokenFilesGiveABlankLine) {
    TempDirectory dir;
    const std::wstring noDate = dir.file(L"nodate.xml");
    ASSERT_TRUE(writeTextFile(noDate,
                              L"<SentenceList><id3><title>T</title><sourceUrl>a/b.mp3</sourceUrl></id3></SentenceList>",
                              kEncodingUtf16Le));
    EXPECT_NE(getLessonEntry(noDate).find(L"<span class=\"date\">2011/03/30</span>"), std::wstring::npos);
    EXPECT_EQ(30, getLessonDay(noDate));

    VoaLesson emptyDay;
    emptyDay.day = L"";
    const std::wstring empty = dir.file(L"emptyday.xml");
    ASSERT_TRUE(writeVoaLesson(empty, emptyDay));
    EXPECT_NE(getLessonEntry(empty).find(L"<span class=\"date\">2011/04/</span>"), std::wstring::npos);
    EXPECT_EQ(0, getLessonDay(empty));

    const std::wstring noId3 = dir.file(L"noid3.xml");
    ASSERT_TRUE(writeTextFile(noId3, L"<SentenceList/>", kEncodingUtf16Le));
    EXPECT_EQ(L"\r\n", getLessonEntry(noId3));
    EXPECT_EQ(1, getLessonDay(noId3));
    EXPECT_EQ(L"\r\n", getLessonEntry(dir.file(L"missing.xml")));
    EXPECT_EQ(1, getLessonDay(dir.file(L"missing.xml")));
    takeShownMessages();
}

TEST(VoaLessonListings, AnEmptyCatalogueGivesOnlyTheOuterBlock) {
    Catalogue catalogue;
    TempDirectory dir;
    EXPECT_EQ(L"<div class=\"voa\">\r\n</div>\r\n", createCategoryListing(*catalogue.root, dir.path() + L"\\"));
    EXPECT_EQ(L"HEAD\r\n<div class=\"voa\">\r\n<div class=\"category\">\r\n</div>\r\n</div>\r\n",
              createOrderedListing(*catalogue.root, L"HEAD"));
}

TEST(VoaLessonListings, CategoriesKeepCatalogueOrderAndDaysPutTheLatestFirst) {
    TempDirectory dir;
    VoaLesson fifth;
    fifth.title = L"Fifth";
    fifth.day = L"5";
    VoaLesson twelfth;
    twelfth.title = L"Twelfth";
    twelfth.day = L"12";
    VoaLesson alsoFifth = fifth;
    alsoFifth.title = L"Also fifth";
    ASSERT_TRUE(writeVoaLesson(dir.file(L"fifth.xml"), fifth));
    ASSERT_TRUE(writeVoaLesson(dir.file(L"twelfth.xml"), twelfth));
    ASSERT_TRUE(writeVoaLesson(dir.file(L"alsofifth.xml"), alsoFifth));
    ASSERT_TRUE(writeTextFile(dir.file(L"broken.xml"), L"not a lesson", kEncodingUtf16Le));

    Catalogue catalogue;
    Element& science = catalogue.add(L"science_in_the_news");
    Catalogue::addLesson(science, dir.file(L"fifth.xml"));
    Catalogue::addLesson(science, dir.file(L"twelfth.xml"));
    Element& renamed = catalogue.add(L"american_mosaic");
    renamed.setAttribute(L"name", L"Mosaic");
    Catalogue::addLesson(renamed, dir.file(L"alsofifth.xml"));
    Catalogue::addLesson(renamed, dir.file(L"broken.xml"));

    const std::wstring out = dir.path() + L"\\out\\";
    ASSERT_TRUE(::CreateDirectoryW(out.c_str(), nullptr));
    // A copy already in place stays as it was.
    ASSERT_TRUE(::CreateDirectoryW((out + L"Mosaic").c_str(), nullptr));
    ASSERT_TRUE(writeTextFile(out + L"Mosaic\\alsofifth.xml", L"kept", kEncodingUtf8));
    const std::wstring byCategory = createCategoryListing(*catalogue.root, out);
    const size_t scienceAt = byCategory.find(L"<div class=\"subject\">science_in_the_news</div>");
    const size_t mosaic = byCategory.find(L"<div class=\"subject\">Mosaic</div>");
    ASSERT_NE(scienceAt, std::wstring::npos);
    ASSERT_NE(mosaic, std::wstring::npos);
    EXPECT_LT(scienceAt, byCategory.find(L"Fifth"));
    EXPECT_LT(byCategory.find(L"Fifth"), byCategory.find(L"Twelfth"));
    EXPECT_LT(byCategory.find(L"Twelfth"), mosaic);
    EXPECT_LT(mosaic, byCategory.find(L"Also fifth"));
    // The broken lesson adds a blank line before its category closes.
    EXPECT_NE(byCategory.find(L"</div>\r\n\r\n</div>\r\n</div>\r\n"), std::wstring::npos);
    EXPECT_TRUE(::GetFileAttributesW((out + L"science_in_the_news\\fifth.xml").c_str()) != INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(::GetFileAttributesW((out + L"science_in_the_news\\twelfth.xml").c_str()) != INVALID_FILE_ATTRIBUTES);
    std::wstring kept;
    readTextFile(out + L"Mosaic\\alsofifth.xml", kept, kEncodingUndefined);
    EXPECT_EQ(L"kept", kept);

    const std::wstring byDay = createOrderedListing(*catalogue.root, L"<h1>Lessons</h1>");
    EXPECT_EQ(0u, byDay.find(L"<h1>Lessons</h1>\r\n<div class=\"voa\">\r\n<div class=\"category\">\r\n"));
    // Day 12, then the two fifths with the later filed first, then the broken file (day 1).
    const size_t twelfthAt = byDay.find(L"Twelfth");
    const size_t alsoAt = byDay.find(L"Also fifth");
    const size_t fifthAt = byDay.find(L"\r\nFifth");
    EXPECT_LT(twelfthAt, alsoAt);
    EXPECT_LT(alsoAt, fifthAt);
    EXPECT_EQ(byDay.size() - std::wstring(L"</div>\r\n\r\n</div>\r\n</div>\r\n").size(),
              byDay.rfind(L"</div>\r\n\r\n</div>\r\n</div>\r\n"));
    takeShownMessages();
}
