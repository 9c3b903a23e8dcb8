#include <gtest/gtest.h>

#include "testsupport/TestWindows.h"
#include "toolkit/graphics/FontManager.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/graphics/GreyOut.h"
#include "toolkit/graphics/ResourceManager.h"
#include "toolkit/graphics/SlicedImage.h"
#include "toolkit/tests/ImageTestSupport.h"

namespace {

COLORREF surfacePixel(Graphics& g, int x, int y) {
    ::GdiFlush();
    return g.getImage().getPixel(x, y) & 0xFFFFFF;
}

TEST(GreyOutTest, DesaturateKeepsBrightnessAndTheSurfaceKey) {
    Graphics g(4, 1);
    g.getImage().getBitmap().setPixel(0, 0, RGB(200, 100, 50));
    g.getImage().getBitmap().setPixel(1, 0, RGB(255, 0, 255));
    g.getImage().getBitmap().setColorKey(RGB(255, 0, 255));
    grayOutRect(g, Rect(-5, -5, 100, 100));
    const unsigned v = (77 * 50 + 151 * 100 + 28 * 200) >> 8;
    EXPECT_EQ(surfacePixel(g, 0, 0), RGB(v, v, v));
    EXPECT_EQ(surfacePixel(g, 1, 0), RGB(255, 0, 255));
}

TEST(GreyOutTest, PaleGreyLiftsEveryPixelButTheMaskColour) {
    Graphics g(3, 1);
    g.getImage().getBitmap().setPixel(0, 0, RGB(200, 100, 50));
    g.getImage().getBitmap().setPixel(1, 0, RGB(0, 255, 0));
    g.getImage().getBitmap().setPixel(2, 0, RGB(255, 255, 255));
    greyOutRect(g.getHDC(), Rect(0, 0, 3, 1), RGB(0, 255, 0));
    const unsigned v = ((77 * 200 + 151 * 100 + 28 * 50) >> 8) + 96;
    EXPECT_EQ(surfacePixel(g, 0, 0), RGB(v, v, v));
    EXPECT_EQ(surfacePixel(g, 1, 0), RGB(0, 255, 0));
    EXPECT_EQ(surfacePixel(g, 2, 0), RGB(255, 255, 255)) << "capped at 255";
}

TEST(GreyOutTest, DisabledBitmapIsAGreyCopy) {
    Bitmap source;
    ASSERT_TRUE(source.create(2, 1));
    source.setPixel(0, 0, RGB(0, 0, 0));
    source.setPixel(1, 0, RGB(255, 0, 255));
    HBITMAP plain = Bitmap::copyBitmap(source.getHandle());  // one that no DC holds
    HBITMAP disabled = createDisabledBitmap(nullptr, plain, RGB(255, 0, 255));
    ::DeleteObject(plain);
    ASSERT_NE(disabled, nullptr);
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ previous = ::SelectObject(dc, disabled);
    EXPECT_EQ(::GetPixel(dc, 0, 0), RGB(96, 96, 96));
    EXPECT_EQ(::GetPixel(dc, 1, 0), RGB(255, 0, 255));
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    ::DeleteObject(disabled);
    EXPECT_EQ(colorAt(source, 0, 0), RGB(0, 0, 0)) << "the source stays as it was";
}

TEST(GreyOutTest, RegionLeavesOutTheKeyColour) {
    Image image;
    ASSERT_TRUE(image.create(4, 2));
    image.getBitmap().setPixel(1, 0, RGB(255, 0, 255));
    image.getBitmap().setPixel(2, 0, RGB(255, 0, 255));
    image.getBitmap().setColorKey(RGB(255, 0, 255));
    HRGN region = createRegionFromImage(image, Rect(0, 0, 4, 2));
    ASSERT_NE(region, nullptr);
    EXPECT_TRUE(::PtInRegion(region, 0, 0));
    EXPECT_FALSE(::PtInRegion(region, 1, 0));
    EXPECT_FALSE(::PtInRegion(region, 2, 0));
    EXPECT_TRUE(::PtInRegion(region, 3, 0));
    EXPECT_TRUE(::PtInRegion(region, 1, 1));
    ::DeleteObject(region);
    Image empty;
    EXPECT_EQ(createRegionFromImage(empty, Rect(0, 0, 4, 2)), nullptr);
}

TEST(ResourceManagerTest, CachesBmpFilesAndRetriesOthers) {
    TempDirectory dir;
    BmpLayout layout;
    layout.width = 2;
    layout.height = 2;
    layout.rows = {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}};
    const std::wstring path = dir.file(L"tool.bmp");
    writeBytes(path, makeBmp(layout));
    ResourceManager& resources = ResourceManager::getInstance();
    HBITMAP bitmap = resources.getBitmap(path);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_TRUE(resources.hasBitmap(path));
    EXPECT_EQ(resources.getBitmap(path), bitmap);

    const std::wstring other = dir.file(L"other.bmp");
    writeBytes(other, {'X', 'Y', 0, 0});
    EXPECT_EQ(resources.getBitmap(other), nullptr);
    EXPECT_FALSE(resources.hasBitmap(other));
    std::vector<uint8_t> truncated = makeBmp(layout);
    truncated.resize(truncated.size() - 4);
    writeBytes(other, truncated);
    EXPECT_EQ(resources.getBitmap(other), nullptr);
    writeBytes(other, makeBmp(layout));
    EXPECT_NE(resources.getBitmap(other), nullptr) << "a file that failed is tried again";
}

TEST(FontManagerTest, FindsInstalledFacesAndFallsBackToTheFirst) {
    const FontManager& fonts = FontManager::getInstance();
    ASSERT_FALSE(fonts.getFontCharSetMap().empty());
    const auto& first = *fonts.getFontCharSetMap().begin();
    ASSERT_FALSE(first.second.getFonts().empty());
    const std::wstring face = first.second.getFonts().front().lfFaceName;
    LOGFONTW found{};
    EXPECT_TRUE(fonts.findFont(face, found));
    EXPECT_EQ(face, found.lfFaceName);
    EXPECT_FALSE(fonts.findFont(L"No Such Face 123", found));

    FontData data = first.second;
    EXPECT_EQ(data.indexOf(L"No Such Face 123"), -1);
    data.select(L"No Such Face 123");
    EXPECT_EQ(std::wstring(data.getSelected().lfFaceName), face);
    EXPECT_EQ(FontData().getSelected().lfFaceName[0], L'\0');
}

TEST(SlicedImageTest, NarrowDestinationsGetTheTwoHalvesOfTheCell) {
    Image strip;
    ASSERT_TRUE(strip.create(64, 32));
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 64; ++x) strip.getBitmap().setPixel(x, y, RGB(x, y, 7));
    }
    strip.setTransparent(false);
    Graphics g(100, 20);
    drawSlicedImage(g, strip, Rect(0, 0, 20, 16), Rect(0, 16, 64, 16));
    EXPECT_EQ(surfacePixel(g, 0, 0), RGB(0, 16, 7));
    EXPECT_EQ(surfacePixel(g, 9, 15), RGB(9, 31, 7));
    EXPECT_EQ(surfacePixel(g, 10, 0), RGB(54, 16, 7)) << "the right half starts at 64 - 10";
    EXPECT_EQ(surfacePixel(g, 19, 0), RGB(63, 16, 7));

    drawSlicedImage(g, strip, Rect(0, 0, 100, 20), Rect(0, 0, 64, 16));
    EXPECT_EQ(surfacePixel(g, 0, 0), RGB(0, 0, 7)) << "top-left corner unstretched";
    EXPECT_EQ(surfacePixel(g, 99, 19), RGB(63, 15, 7)) << "bottom-right corner";
    EXPECT_EQ(surfacePixel(g, 84, 0), RGB(48, 0, 7)) << "the right column starts at source x 48";
}

}  // namespace
