#include <gtest/gtest.h>

#include "foundation/encoding/TextFile.h"
#include "foundation/system/ParserException.h"
#include "foundation/tests/EncodingTestSupport.h"
#include "foundation/xml/XMLParser.h"
#include "testsupport/TestWindows.h"

namespace {

std::wstring roundTrip(const std::wstring& text) {
    XMLParser parser;
    if (!parser.parseString(text)) return L"<no root>";
    return parser.getRootElement()->toXML();
}

// The exception a text raises, with an empty message and kind -1 when it raises none.
ParserException errorOf(const std::wstring& text) {
    XMLParser parser;
    try {
        parser.parseString(text);
    } catch (const ParserException& e) {
        return e;
    }
    return ParserException(L"", 0, -1);
}

}  // namespace

TEST(XmlParser, RoundTripsElementsAttributesAndCData) {
    EXPECT_EQ(roundTrip(L"<a><b x=\"1&amp;\"/></a>"), L"<a>\r\n\t<b x=\"1&amp;\" />\r\n</a>");
    EXPECT_EQ(roundTrip(L"<a z='3' y=\"2\" x='1'>t</a>"), L"<a x=\"1\" y=\"2\" z=\"3\">t</a>");
    EXPECT_EQ(roundTrip(L"<s><![CDATA[a <b> & ]] c]]></s>"), L"<s>\r\n\t<![CDATA[a <b> & ]] c]]>\r\n</s>");
    EXPECT_EQ(roundTrip(L"<s><![CDATA[]]></s>"), L"<s></s>");
    EXPECT_EQ(roundTrip(L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<!DOCTYPE a>\r\n<a/>"), L"<a />");
}

TEST(XmlParser, TextCommentsAndWhiteSpace) {
    XMLParser parser;
    ASSERT_TRUE(parser.parseString(L"<a>\r\n  <b/>  <!-- note --> <c/>\r\n</a>"));
    EXPECT_EQ(parser.getRootElement()->getChildren().size(), 2u);

    ASSERT_TRUE(parser.parseString(L"<a x=\"1\"y=\"2\"/>"));
    EXPECT_EQ(parser.getRootElement()->getAttributes().size(), 2u);
    EXPECT_TRUE(parser.getRootElement()->isEmptyElement());

    ASSERT_TRUE(parser.parseString(L"<a>x</a> tail <b/>"));
    EXPECT_EQ(parser.getRootElement()->getAllText(), L"x tail ");
    EXPECT_EQ(parser.getRootElement()->getChildren().size(), 3u);
}

TEST(XmlParser, ReferencesInTextAndValues) {
    const struct {
        const wchar_t* input;
        const wchar_t* text;
    } cases[] = {
        {L"<a>&amp;lt;</a>", L"&lt;"},
        {L"<a>&lt;&gt;&quot;&apos;</a>", L"<>\"'"},
        // Numeric references in ASCII digits name their character; names other than
        // the five predefined ones, and digits of other scripts, give nothing.
        {L"<a>&#65;&copy;</a>", L"A"},
        {L"<a>&#x30C8;&#X30c8;&#12488;</a>", L"\u30C8\u30C8\u30C8"},
        {L"<a>&#128512;&#x1F600;</a>", L"\U0001F600\U0001F600"},
        {L"<a>[&#0;&#xD800;&#x110000;&#123456789;&#x;&#;&#1A;&#\uFF11\uFF12;]</a>", L"[]"},
        {L"<a>&#38;lt;</a>", L"&lt;"},
        {L"<a>a & b; c</a>", L"a  c"},
        // An "&" that nothing closes before the next tag is plain text.
        {L"<a>Tom & Jerry</a>", L"Tom & Jerry"},
        {L"<a><b>R&D</b></a>", L"R&D"},
    };
    for (const auto& c : cases) {
        XMLParser parser;
        ASSERT_TRUE(parser.parseString(c.input)) << c.input;
        EXPECT_EQ(parser.getRootElement()->getAllText(), c.text) << c.input;
    }
    XMLParser parser;
    ASSERT_TRUE(parser.parseString(L"<a href=\"x?a=1&b=2\" t='&amp;&lt;'/>"));
    EXPECT_EQ(parser.getRootElement()->getAttribute(L"href"), L"x?a=1&b=2");
    EXPECT_EQ(parser.getRootElement()->getAttribute(L"t"), L"&<");
}

TEST(XmlParser, MalformedTextThrowsWithKindAndLine) {
    const struct {
        const wchar_t* input;
        int kind;
    } cases[] = {
        {L"<a x = \"1\"/>", 2}, {L"< a/>", 2},        {L"<a x=1/>", 2},   {L"<a></b>", 0},
        {L"</a>", 0},           {L"<a b/c/>", 2},      {L"<a ?>", 2},     {L"<a>\n<b>\n</a>", 0},
        {L"<?xml version=\"1.0\"?><a/>", 0},           {L"<?xml version=\"1\" encoding=\"latin1\"?><a/>", 0},
        {L"<a></a/>", 2},
    };
    for (const auto& c : cases) {
        ParserException e = errorOf(c.input);
        EXPECT_EQ(e.getKind(), c.kind) << c.input;
        EXPECT_GT(e.getLine(), 0) << c.input;
    }
    EXPECT_EQ(errorOf(L"<a ?>").getMessage(), L"? is an invalid character.");
    EXPECT_EQ(errorOf(L"<a #>").getMessage(), L"# is an invalid character.");
    EXPECT_EQ(errorOf(L"<a></b>").getMessage(),
              L"\u30BF\u30B0\u306E\u5BFE\u5FDC\u304C\u9593\u9055\u3063\u3066\u3044\u307E\u3059\u3002"
              L"\u7D42\u4E86\u30BF\u30B0\u304C\u5FC5\u8981\u3067\u3059:\r\na -> b");
}

TEST(XmlParser, ArbitraryBytesNeverCrash) {
    const std::wstring alphabet = L"<>/?!-[]&;='\" abxCDATA";
    unsigned seed = 12345;
    for (int round = 0; round < 2000; ++round) {
        std::wstring text;
        for (int i = 0; i < 40; ++i) {
            seed = seed * 1103515245u + 12345u;
            text += alphabet[(seed >> 16) % alphabet.size()];
        }
        XMLParser parser;
        try {
            if (parser.parseString(text)) parser.getRootElement()->toXML();
        } catch (const ParserException&) {
        }
    }
    std::wstring deep;
    for (int i = 0; i < 100000; ++i) deep += L"<a>";
    EXPECT_EQ(errorOf(deep).getKind(), 0);
}

TEST(XmlParser, FailedParseLeavesThePreviousDocument) {
    XMLParser parser;
    ASSERT_TRUE(parser.parseString(L"<?xml version=\"1.0\" encoding=\"UTF-8\"?><old/>"));
    Element* old = parser.getRootElement();
    EXPECT_THROW(parser.parseString(L"<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><new><x></new>"),
                 ParserException);
    EXPECT_EQ(parser.getRootElement(), old);
    EXPECT_EQ(parser.getDeclaration(), L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    EXPECT_FALSE(parser.parseString(L"just text"));
    EXPECT_EQ(parser.getRootElement(), old);
    EXPECT_EQ(parser.getElementsByTagName(L"old").size(), 1u);
}

TEST(XmlParser, SavesUtf16WithItsDeclarationAndReadsItBack) {
    TempDirectory dir;
    std::wstring path = dir.file(L"list.xml");
    XMLParser parser;
    Element* root = new Element(L"SentenceList");
    root->setAttribute(L"audio", L"a&b.mp3");
    Element* sentence = new Element(L"sentence");
    Element* cdata = new Element();
    cdata->setSDATA(L"\u65E5\u672C <x> & y");
    sentence->appendChild(cdata);
    root->appendChild(sentence);
    parser.setRootElement(root);
    ASSERT_TRUE(parser.saveAs(path));
    EXPECT_EQ(parser.getFilePath(), L"");

    std::string bytes = readBytes(path);
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFE<\0", 4));
    std::wstring text;
    EXPECT_EQ(readTextFile(path, text, -1), 1);
    EXPECT_EQ(text,
              L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<SentenceList audio=\"a&amp;b.mp3\">\r\n"
              L"\t<sentence>\r\n\t\t<![CDATA[\u65E5\u672C <x> & y]]>\r\n\t</sentence>\r\n</SentenceList>");

    XMLParser reader;
    ASSERT_TRUE(reader.parseFile(path));
    EXPECT_EQ(reader.getFilePath(), path);
    EXPECT_EQ(reader.getRootElement()->getAttribute(L"audio"), L"a&b.mp3");
    EXPECT_EQ(reader.getElementByTagName(L"sentence")->getText(), L"\u65E5\u672C <x> & y");
    EXPECT_TRUE(reader.save());
    EXPECT_EQ(readBytes(path), bytes);
}

TEST(XmlParser, DeclaredEncodingDecidesHowItIsSaved) {
    TempDirectory dir;
    std::wstring path = dir.file(L"utf8.xml");
    XMLParser parser;
    ASSERT_TRUE(parser.parseString(L"<?xml version='1.0' encoding='utf-8' standalone='yes'?><a>\u00E9</a>"));
    EXPECT_EQ(parser.getDeclaration(), L"<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\"?>");
    ASSERT_TRUE(parser.saveAs(path));
    EXPECT_EQ(readBytes(path),
              "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\"?>\r\n<a>\xC3\xA9</a>");
}

TEST(XmlParser, MisdeclaredFileIsReadAgainInTheDeclaredEncoding) {
    TempDirectory dir;
    std::wstring path = dir.file(L"mis.xml");
    // UTF-8 bytes that no other encoding explains, declared as Shift_JIS.
    writeBytes(path, "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><a>\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88</a>");
    XMLParser parser;
    takeShownMessages();
    ASSERT_TRUE(parser.parseFile(path));
    EXPECT_TRUE(takeShownMessages().empty());
    EXPECT_EQ(parser.getRootElement()->getName(), L"a");
    EXPECT_EQ(parser.getDeclaration(), L"<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>");
}

TEST(XmlParser, UnreadableFileShowsTheSecondFailureAndKeepsTheOldState) {
    TempDirectory dir;
    std::wstring good = dir.file(L"good.xml");
    std::wstring bad = dir.file(L"bad.xml");
    writeBytes(good, "<ok/>");
    ASSERT_TRUE(writeTextFile(bad, L"<a #>", 1));
    XMLParser parser;
    ASSERT_TRUE(parser.parseFile(good));
    takeShownMessages();
    EXPECT_FALSE(parser.parseFile(bad));
    auto shown = takeShownMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, L"# is an invalid character.");
    EXPECT_EQ(parser.getFilePath(), good);
    EXPECT_EQ(parser.getRootElement()->getName(), L"ok");
    EXPECT_FALSE(parser.parseFile(dir.file(L"missing.xml")));
    EXPECT_TRUE(takeShownMessages().empty());
}

TEST(XmlParser, SavingWithoutRootShowsTheMessage) {
    XMLParser parser;
    takeShownMessages();
    EXPECT_FALSE(parser.saveAs(L"unused.xml"));
    auto shown = takeShownMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].text.find(L"mRootElement is null"), std::wstring::npos);
}

// Mixed content was written with the indentation and line ends of child lines, which a
// later load read back into the text: every save made the texts longer.
TEST(XmlParser, SavingMixedContentIsAFixedPoint) {
    TempDirectory dir;
    std::wstring first = dir.file(L"first.xml");
    std::wstring second = dir.file(L"second.xml");
    XMLParser parser;
    ASSERT_TRUE(parser.parseString(L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<list>\r\n"
                                   L"\t<s>before <![CDATA[core]]> after</s>\r\n"
                                   L"\t<p>a <b>bold <i>x</i></b>\r\n c</p>\r\n"
                                   L"\t<sentence>\r\n\t\t<![CDATA[only]]>\r\n\t</sentence>\r\n</list>"));
    ASSERT_TRUE(parser.saveAs(first));
    XMLParser reader;
    ASSERT_TRUE(reader.parseFile(first));
    EXPECT_EQ(reader.getElementByTagName(L"s")->getAllText(), L"before core after");
    EXPECT_EQ(reader.getElementByTagName(L"p")->getAllText(), L"a bold x\r\n c");
    ASSERT_TRUE(reader.saveAs(second));
    EXPECT_EQ(readBytes(second), readBytes(first));
    std::wstring text;
    readTextFile(second, text, -1);
    EXPECT_NE(text.find(L"\r\n\t<s>before <![CDATA[core]]> after</s>\r\n"), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"\r\n\t<sentence>\r\n\t\t<![CDATA[only]]>\r\n\t</sentence>\r\n"), std::wstring::npos);
}

TEST(XmlParser, FailedFileLeavesNoInputEncodingBehind) {
    TempDirectory dir;
    std::wstring good = dir.file(L"good.xml");
    std::wstring bad = dir.file(L"bad.xml");
    writeBytes(good, "<?xml version=\"1.0\" encoding=\"UTF-8\"?><ok/>");
    ASSERT_TRUE(writeTextFile(bad, L"<a #>", 1));
    const std::wstring utf16 = L"<?xml version=\"1.0\" encoding=\"UTF-16\"?><b/>";
    for (const std::wstring& failing : {bad, dir.file(L"missing.xml")}) {
        XMLParser parser;
        ASSERT_TRUE(parser.parseFile(good));
        takeShownMessages();
        EXPECT_FALSE(parser.parseFile(failing));
        takeShownMessages();
        EXPECT_EQ(parser.getRootElement()->getName(), L"ok");
        EXPECT_NO_THROW(EXPECT_TRUE(parser.parseString(utf16))) << failing;
    }
}
