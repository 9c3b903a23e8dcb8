#include <gtest/gtest.h>

#include "foundation/system/Exception.h"
#include "testsupport/TestWindows.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/tests/ImageTestSupport.h"

namespace {

TEST(PngTest, ReadsRgbOf8And16BitsOpaqueWithTheTopLeftKey) {
    for (const wchar_t* name : {L"colour.png", L"colour16.png", L"opaque-alpha.png"}) {
        Bitmap bitmap;
        ASSERT_TRUE(bitmap.load(imageFixture(name))) << name;
        expectFixturePixels(bitmap);
        EXPECT_FALSE(bitmap.hasAlpha()) << name;
        EXPECT_EQ(bitmap.getPixel(3, 2) >> 24, 255u) << name;
        EXPECT_EQ(bitmap.getColorKey(), RGB(255, 0, 0)) << name;
    }
}

TEST(PngTest, RgbaKeepsAlphaAndTakesTheFirstTransparentPixelAsKey) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.load(imageFixture(L"alpha.png")));
    expectFixturePixels(bitmap);
    EXPECT_TRUE(bitmap.hasAlpha());
    EXPECT_EQ(bitmap.getColorKey(), RGB(10, 20, 30)) << "first pixel with alpha 0, in the second row";
    EXPECT_EQ(bitmap.getPixel(2, 0) >> 24, 128u);
    EXPECT_EQ(bitmap.getPixel(2, 1) >> 24, 0u);
    EXPECT_EQ(bitmap.getPixel(3, 2) >> 24, 0u);
}

TEST(PngTest, GreyImagesOfEveryDepthBecomeGreyPixels) {
    Bitmap grey;
    ASSERT_TRUE(grey.load(imageFixture(L"grey.png")));
    Bitmap grey2;
    ASSERT_TRUE(grey2.load(imageFixture(L"grey2.png")));
    const int levels[] = {0, 85, 170, 255};
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(colorAt(grey, x, 0), RGB(levels[x], levels[x], levels[x]));
        EXPECT_EQ(colorAt(grey2, x, 0), RGB(levels[x], levels[x], levels[x]));
    }
    Bitmap grey16;
    ASSERT_TRUE(grey16.load(imageFixture(L"grey16.png")));
    EXPECT_EQ(colorAt(grey16, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(colorAt(grey16, 1, 0), RGB(128, 128, 128));
    EXPECT_EQ(colorAt(grey16, 2, 0), RGB(255, 255, 255));
    EXPECT_FALSE(grey16.hasAlpha());

    Bitmap greyAlpha;
    ASSERT_TRUE(greyAlpha.load(imageFixture(L"grey-alpha.png")));
    EXPECT_TRUE(greyAlpha.hasAlpha());
    EXPECT_EQ(greyAlpha.getPixel(0, 0), 0xFF646464u);
    EXPECT_EQ(greyAlpha.getColorKey(), RGB(200, 200, 200));
}

TEST(PngTest, PaletteImagesAndTheirTransparency) {
    Bitmap palette;
    ASSERT_TRUE(palette.load(imageFixture(L"palette.png")));
    EXPECT_EQ(colorAt(palette, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(colorAt(palette, 1, 0), RGB(0, 0, 255));
    EXPECT_EQ(colorAt(palette, 2, 0), RGB(0, 255, 0));
    EXPECT_EQ(colorAt(palette, 3, 0), RGB(255, 0, 255));
    EXPECT_FALSE(palette.hasAlpha());

    Bitmap transparent;
    ASSERT_TRUE(transparent.load(imageFixture(L"palette-trns.png")));
    EXPECT_TRUE(transparent.hasAlpha()) << "a tRNS chunk makes the picture RGBA";
    EXPECT_EQ(transparent.getColorKey(), RGB(255, 0, 255));
    EXPECT_EQ(transparent.getPixel(3, 0) >> 24, 0u);
}

TEST(PngTest, TheExtensionIsMatchedInAnyCase) {
    TempDirectory dir;
    const std::vector<uint8_t> bytes = readBytes(imageFixture(L"colour.png"));
    for (const wchar_t* name : {L"a.PNG", L"b.Png", L"c.png"}) {
        writeBytes(dir.file(name), bytes);
        Bitmap bitmap;
        EXPECT_TRUE(bitmap.load(dir.file(name))) << name;
    }
}

TEST(PngTest, BrokenFilesFailCleanly) {
    TempDirectory dir;
    const std::vector<uint8_t> good = readBytes(imageFixture(L"alpha.png"));
    ASSERT_FALSE(good.empty());
    Bitmap bitmap;
    for (size_t length = 0; length < good.size(); length += 5) {
        writeBytes(dir.file(L"cut.png"), std::vector<uint8_t>(good.begin(), good.begin() + static_cast<long>(length)));
        EXPECT_FALSE(bitmap.load(dir.file(L"cut.png"))) << "length " << length;
        EXPECT_TRUE(bitmap.isEmpty());
    }
    std::vector<uint8_t> flipped = good;
    flipped[good.size() - 20] ^= 0x55;  // inside the compressed data or its checksum
    writeBytes(dir.file(L"flipped.png"), flipped);
    EXPECT_FALSE(bitmap.load(dir.file(L"flipped.png")));

    std::vector<uint8_t> huge = good;
    put32(huge, 16, 0x00FFFFFF);  // width in IHDR (big-endian bytes, any value past the limits)
    writeBytes(dir.file(L"huge.png"), huge);
    EXPECT_FALSE(bitmap.load(dir.file(L"huge.png")));

    writeBytes(dir.file(L"text.png"), {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'});
    EXPECT_FALSE(bitmap.load(dir.file(L"text.png")));
    EXPECT_TRUE(bitmap.load(imageFixture(L"alpha.png"))) << "the reader works again afterwards";
}

}  // namespace
