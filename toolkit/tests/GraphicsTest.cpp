#include <gtest/gtest.h>

#include <memory>

#include "toolkit/graphics/Graphics.h"
#include "toolkit/tests/ImageTestSupport.h"

namespace {

COLORREF pixelOf(Graphics& g, int x, int y) {
    ::GdiFlush();
    return g.getImage().getPixel(x, y) & 0xFFFFFF;
}

void fill(Graphics& g, COLORREF color) {
    g.setBrushColor(color);
    g.fillRect(0, 0, g.getWidth(), g.getHeight());
}

// A small picture of one colour with a magenta column 1.
void makeKeyedImage(Image& image, COLORREF color) {
    ASSERT_TRUE(image.create(3, 2));
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) image.getBitmap().setPixel(x, y, x == 1 ? RGB(255, 0, 255) : color);
    }
    image.getBitmap().setColorKey(RGB(255, 0, 255));
}

TEST(GraphicsTest, SurfaceSizesAreClampedAndAnEmptySurfaceDrawsNothing) {
    Graphics big(5000, 3);
    EXPECT_EQ(big.getWidth(), 4096);
    Graphics none(0, 0);
    EXPECT_EQ(none.getHDC(), nullptr);
    none.setFont(::CreateFontW(12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial"));
    none.fillRect(0, 0, 5, 5);
    none.fillRectAlpha(0, 0, {5, 5, 0, 100});
    Image image;
    makeKeyedImage(image, RGB(1, 2, 3));
    none.drawImage(image, Rect(0, 0, 3, 2), Rect(0, 0, 3, 2), 0x80000000);
    EXPECT_EQ(none.getTextWidth(L"text"), 0);
}

TEST(GraphicsTest, TranslucentFillBlendsEachChannel) {
    Graphics g(8, 8);
    fill(g, RGB(0, 0, 0));
    g.fillRectAlpha(0, 0, {4, 4, RGB(255, 255, 255), 128});
    EXPECT_EQ(pixelOf(g, 0, 0), RGB(128, 128, 128));
    EXPECT_EQ(pixelOf(g, 4, 4), RGB(0, 0, 0));
    g.fillRectAlpha(0, 0, {8, 8, RGB(255, 0, 0), 0});
    EXPECT_EQ(pixelOf(g, 0, 0), RGB(128, 128, 128)) << "opacity 0 leaves the surface alone";
    g.fillRectAlpha(6, 6, {2, 2, RGB(0, 0, 255), 255});
    EXPECT_EQ(pixelOf(g, 7, 7), RGB(0, 0, 255));
    // Partly and wholly outside: only the surface changes, nothing past it.
    g.fillRectAlpha(-3, -3, {5, 5, RGB(255, 255, 255), 255 / 2});
    g.fillRectAlpha(6, -100, {100, 1000, RGB(255, 255, 255), 10});
    g.fillRectAlpha(100, 100, {5, 5, RGB(255, 255, 255), 10});
    EXPECT_EQ(pixelOf(g, 2, 2), RGB(128, 128, 128));
}

TEST(GraphicsTest, BackgroundFillBlendsWithItsOwnRounding) {
    Graphics g(4, 1);
    fill(g, RGB(0, 0, 0));
    g.getImage().getBitmap().setPixel(1, 0, RGB(255, 255, 255));
    g.getImage().getBitmap().setPixel(2, 0, RGB(1, 1, 1));
    g.fillBackground(0, 0, 3, 1, RGB(255, 255, 255), 128);
    EXPECT_EQ(pixelOf(g, 0, 0), RGB(128, 128, 128));
    EXPECT_EQ(pixelOf(g, 1, 0), RGB(255, 255, 255));
    EXPECT_EQ(pixelOf(g, 2, 0), RGB(128, 128, 128)) << "1 x 127 / 255 rounds to 0";
    EXPECT_EQ(pixelOf(g, 3, 0), RGB(0, 0, 0));
    g.fillBackground(0, 0, 4, 1, RGB(9, 9, 9), 0);
    EXPECT_EQ(pixelOf(g, 3, 0), RGB(0, 0, 0));
    g.fillBackground(3, 0, 1, 1, RGB(9, 8, 7), 255);
    EXPECT_EQ(pixelOf(g, 3, 0), RGB(9, 8, 7));
}

TEST(GraphicsTest, DrawImageBlendsAtItsOpacityAndSkipsTheColourKey) {
    Graphics g(6, 4);
    fill(g, RGB(0, 0, 0));
    Image image;
    makeKeyedImage(image, RGB(255, 255, 255));
    g.drawImage(image, Rect(0, 0, 3, 2), Rect(0, 0, 3, 2), 0x80000000);
    EXPECT_EQ(pixelOf(g, 0, 0), RGB(128, 128, 128));
    EXPECT_EQ(pixelOf(g, 1, 0), RGB(0, 0, 0)) << "magenta is the key";
    g.drawImage(image, 3, 2);
    EXPECT_EQ(pixelOf(g, 3, 2), RGB(255, 255, 255));
    EXPECT_EQ(pixelOf(g, 4, 2), RGB(0, 0, 0));

    image.setTransparent(false);
    g.drawImage(image, Rect(0, 2, 3, 2), Rect(0, 0, 3, 2), 0xFF000000);
    EXPECT_EQ(pixelOf(g, 1, 2), RGB(255, 0, 255)) << "an image that is not transparent draws its key colour";
    g.drawImage(image, Rect(0, 0, 3, 2), Rect(0, 0, 3, 2), 0);
    EXPECT_EQ(pixelOf(g, 1, 0), RGB(0, 0, 0)) << "opacity 0 draws nothing";
}

TEST(GraphicsTest, FullyTransparentPixelsOfAnAlphaImageAreSkipped) {
    Bitmap source;
    ASSERT_TRUE(source.load(imageFixture(L"alpha.png")));
    Image image;
    image.getBitmap() = source;
    image.getBitmap().setAlpha(true);
    image.setTransparent(false);
    Graphics g(4, 3);
    fill(g, RGB(7, 7, 7));
    g.drawImage(image, Rect(0, 0, 4, 3), Rect(0, 0, 4, 3), 0xFE000000);
    EXPECT_EQ(pixelOf(g, 2, 1), RGB(7, 7, 7));
    EXPECT_NE(pixelOf(g, 0, 0), RGB(7, 7, 7));
}

TEST(GraphicsTest, BlendsAreClippedOnBothSides) {
    Graphics g(4, 4);
    fill(g, RGB(0, 0, 0));
    Image image;
    ASSERT_TRUE(image.create(4, 4));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) image.getBitmap().setPixel(x, y, RGB(x * 60 + 10, 200, 200));
    }
    image.setTransparent(false);
    // Destination partly left of the surface: only the visible columns are drawn.
    g.drawImage(image, Rect(-2, 0, 4, 1), Rect(0, 0, 4, 1), 0xFF000000 - 0x01000000);
    EXPECT_EQ(GetRValue(pixelOf(g, 0, 0)), (254 * 130 / 255));
    EXPECT_EQ(pixelOf(g, 2, 0), RGB(0, 0, 0));
    // A source rectangle past the image: only the part inside it is read.
    g.drawImage(image, Rect(0, 1, 4, 3), Rect(2, 2, 4, 3), 0x80000000);
    EXPECT_NE(pixelOf(g, 0, 1), RGB(0, 0, 0));
    EXPECT_NE(pixelOf(g, 1, 2), RGB(0, 0, 0));
    EXPECT_EQ(pixelOf(g, 2, 1), RGB(0, 0, 0)) << "source column 4 is outside the image";
    EXPECT_EQ(pixelOf(g, 0, 3), RGB(0, 0, 0)) << "source row 4 is outside the image";
    // Wildly out of range on every side: nothing breaks.
    g.drawImage(image, Rect(-100000, -100000, 200000, 200000), Rect(-50, -50, 100, 100), 0x80000000);
    g.drawImage(image, Rect(2, 2, 1000, 1000), Rect(0, 0, 4, 4));
}

TEST(GraphicsTest, ScaledAndMirroredCopiesPickTheNearestPixel) {
    Graphics g(8, 2);
    fill(g, RGB(0, 0, 0));
    Image image;
    ASSERT_TRUE(image.create(2, 1));
    image.getBitmap().setPixel(0, 0, RGB(10, 0, 0));
    image.getBitmap().setPixel(1, 0, RGB(20, 0, 0));
    image.getBitmap().setColorKey(RGB(1, 1, 1));
    g.drawImage(image, Rect(0, 0, 4, 2), Rect(0, 0, 2, 1));
    EXPECT_EQ(pixelOf(g, 1, 1), RGB(10, 0, 0));
    EXPECT_EQ(pixelOf(g, 2, 0), RGB(20, 0, 0));
    EXPECT_EQ(pixelOf(g, 3, 1), RGB(20, 0, 0));
    g.drawImage(image, Rect(8, 0, -2, 1), Rect(0, 0, 2, 1));
    EXPECT_EQ(pixelOf(g, 7, 0), RGB(10, 0, 0)) << "mirrored: the first source column at the right";
    EXPECT_EQ(pixelOf(g, 6, 0), RGB(20, 0, 0));
}

TEST(GraphicsTest, TextWidthOfSeveralLinesIsTheWidestLine) {
    Graphics g(1, 1);
    g.setFont(::CreateFontW(-14, 0, 0, 0, 400, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"));
    const int shortLine = g.getTextWidth(L"ab");
    const int longLine = g.getTextWidth(L"abcdefgh");
    EXPECT_GT(longLine, shortLine);
    EXPECT_EQ(g.getTextWidth(L"ab\r\nabcdefgh"), longLine);
    EXPECT_EQ(g.getTextWidth(L"abcdefgh\r\nab"), longLine);
    EXPECT_EQ(g.getTextWidthA("ab\r\nabcdefgh"), g.getTextWidthA("abcdefgh"));
    LOGFONTW font{};
    font.lfHeight = -14;
    ::lstrcpyW(font.lfFaceName, L"Arial");
    EXPECT_EQ(measureTextWidth(L"abcdefgh", font), longLine);
}

TEST(GraphicsTest, DrawTextBreaksLinesAndDrawsNoCarriageReturn) {
    auto render = [](const std::wstring& text) {
        auto g = std::make_unique<Graphics>(60, 60);
        fill(*g, RGB(255, 255, 255));
        g->setBkMode(TRANSPARENT);
        g->setTextColor(RGB(0, 0, 0));
        g->drawText(text, 2, 2);
        return g;
    };
    auto crlf = render(L"X\r\nX");
    auto lf = render(L"X\nX");
    auto one = render(L"X");
    int differences = 0;
    bool secondLine = false;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 60; ++x) {
            differences += pixelOf(*crlf, x, y) != pixelOf(*lf, x, y);
            secondLine |= pixelOf(*crlf, x, y) != pixelOf(*one, x, y);
        }
    }
    EXPECT_EQ(differences, 0);
    EXPECT_TRUE(secondLine);
}

TEST(GraphicsTest, OutlinedTextRestoresTheTextColour) {
    Graphics g(30, 30);
    fill(g, RGB(255, 255, 255));
    g.setBkMode(TRANSPARENT);
    g.setTextColor(RGB(1, 2, 3));
    g.drawOutlinedText(L"I", 5, 5, RGB(255, 0, 0), RGB(0, 0, 255));
    g.drawOutlinedText("I", 15, 5, RGB(255, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(g.getTextColor(), RGB(1, 2, 3));
    bool red = false;
    bool blue = false;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            red |= pixelOf(g, x, y) == RGB(255, 0, 0);
            blue |= pixelOf(g, x, y) == RGB(0, 0, 255);
        }
    }
    EXPECT_TRUE(red);
    EXPECT_TRUE(blue);
}

}  // namespace
