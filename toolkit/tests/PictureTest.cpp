#include <gtest/gtest.h>

#include <cstdlib>

#include "foundation/system/Exception.h"
#include "testsupport/TestWindows.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/tests/ImageTestSupport.h"

namespace {

bool closeTo(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

TEST(PictureTest, GifLoadsWithItsSizeAndColours) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.load(imageFixture(L"picture.gif")));
    expectFixturePixels(bitmap);
    EXPECT_EQ(bitmap.getColorKey(), RGB(255, 0, 0)) << "no transparency: the top-left pixel";
    EXPECT_EQ(bitmap.getPath(), imageFixture(L"picture.gif"));
}

TEST(PictureTest, GifTransparencyBecomesTheColourKey) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.load(imageFixture(L"transparent.gif")));
    EXPECT_EQ(bitmap.getColorKey(), RGB(255, 0, 255));
    EXPECT_EQ(colorAt(bitmap, 0, 2), RGB(255, 0, 255)) << "transparent pixels show the key";
    EXPECT_EQ(colorAt(bitmap, 1, 2), RGB(0, 255, 255));

    ASSERT_TRUE(bitmap.load(imageFixture(L"transparent-outside.gif")));
    EXPECT_EQ(bitmap.getColorKey(), 0u) << "an index past the colour table gives key 0";
    EXPECT_EQ(colorAt(bitmap, 0, 2), RGB(255, 0, 255)) << "no pixel is transparent then";
}

TEST(PictureTest, JpegLoadsWithItsSizeAndNearlyItsColours) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.load(imageFixture(L"blocks.jpg")));
    ASSERT_EQ(bitmap.getWidth(), 16);
    ASSERT_EQ(bitmap.getHeight(), 16);
    EXPECT_TRUE(closeTo(colorAt(bitmap, 3, 3), RGB(255, 0, 0), 12));
    EXPECT_TRUE(closeTo(colorAt(bitmap, 12, 3), RGB(0, 255, 0), 12));
    EXPECT_TRUE(closeTo(colorAt(bitmap, 3, 12), RGB(0, 0, 255), 12));
    EXPECT_TRUE(closeTo(colorAt(bitmap, 12, 12), RGB(255, 255, 255), 12));
    TempDirectory dir;
    writeBytes(dir.file(L"upper.JPEG"), readBytes(imageFixture(L"blocks.jpg")));
    EXPECT_TRUE(bitmap.load(dir.file(L"upper.JPEG")));
}

TEST(PictureTest, RefusedPicturesAnswerFalseAndUnreadableOnesThrow) {
    TempDirectory dir;
    Bitmap bitmap;
    writeBytes(dir.file(L"garbage.jpg"), std::vector<uint8_t>(300, 0x5A));
    EXPECT_FALSE(bitmap.load(dir.file(L"garbage.jpg")));
    EXPECT_TRUE(bitmap.isEmpty());

    std::vector<uint8_t> gif = readBytes(imageFixture(L"picture.gif"));
    writeBytes(dir.file(L"cut.gif"), std::vector<uint8_t>(gif.begin(), gif.begin() + 20));
    EXPECT_FALSE(bitmap.load(dir.file(L"cut.gif"))) << "a readable header but no picture";

    writeBytes(dir.file(L"fake.gif"), {'G', 'I', 'F', '9', '9', 'z'});
    EXPECT_THROW(bitmap.load(dir.file(L"fake.gif")), Exception);
    EXPECT_THROW(bitmap.load(dir.file(L"absent.jpg")), Exception);
    EXPECT_THROW(bitmap.load(dir.file(L"absent.gif")), Exception);
}

}  // namespace
