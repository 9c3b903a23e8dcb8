#include <gtest/gtest.h>

#include "foundation/system/Exception.h"
#include "testsupport/TestWindows.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Image.h"
#include "toolkit/tests/ImageTestSupport.h"

namespace {

// The 4 x 3 fixture picture as BMP rows of the given depth (24 or 32 bits).
std::vector<std::vector<uint8_t>> fixtureRows(int bytesPerPixel) {
    std::vector<std::vector<uint8_t>> rows;
    for (const auto& line : fixturePixels()) {
        std::vector<uint8_t> row;
        for (COLORREF c : line) {
            row.push_back(GetBValue(c));
            row.push_back(GetGValue(c));
            row.push_back(GetRValue(c));
            if (bytesPerPixel == 4) row.push_back(0x80);
        }
        rows.push_back(row);
    }
    return rows;
}

bool loadBmp(Bitmap& bitmap, const TempDirectory& dir, const std::vector<uint8_t>& bytes) {
    const std::wstring path = dir.file(L"picture.bmp");
    writeBytes(path, bytes);
    return bitmap.load(path);
}

class BitmapTest : public ::testing::Test {
protected:
    TempDirectory dir;
    Bitmap bitmap;
};

TEST_F(BitmapTest, Reads24BitRowsPaddedAndStoredBottomUpOrTopDown) {
    BmpLayout layout;
    layout.width = 4;
    layout.height = 3;
    layout.rows = fixtureRows(3);
    ASSERT_TRUE(loadBmp(bitmap, dir, makeBmp(layout)));
    expectFixturePixels(bitmap);
    EXPECT_EQ(bitmap.getBitCount(), 32);
    EXPECT_EQ(bitmap.getBytesPerLine(), 16);
    EXPECT_EQ(bitmap.getPixel(1, 1) >> 24, 0u) << "24-bit pixels have alpha 0";
    EXPECT_EQ(bitmap.getColorKey(), RGB(255, 0, 0)) << "the key is the top-left pixel";
    EXPECT_EQ(bitmap.getPath(), dir.file(L"picture.bmp"));

    layout.height = -3;
    Bitmap topDown;
    ASSERT_TRUE(loadBmp(topDown, dir, makeBmp(layout)));
    expectFixturePixels(topDown);
}

TEST_F(BitmapTest, Width3LinesArePaddedTo12Bytes) {
    BmpLayout layout;
    layout.width = 3;
    layout.height = 2;
    layout.rows = {{1, 2, 3, 4, 5, 6, 7, 8, 9}, {10, 11, 12, 13, 14, 15, 16, 17, 18}};
    ASSERT_TRUE(loadBmp(bitmap, dir, makeBmp(layout)));
    EXPECT_EQ(bitmap.getBytesPerLine(), 12);
    EXPECT_EQ(colorAt(bitmap, 2, 0), RGB(9, 8, 7));
    EXPECT_EQ(colorAt(bitmap, 0, 1), RGB(12, 11, 10));
}

TEST_F(BitmapTest, Reads32BitWithAlphaBytes) {
    BmpLayout layout;
    layout.width = 4;
    layout.height = 3;
    layout.bitCount = 32;
    layout.rows = fixtureRows(4);
    ASSERT_TRUE(loadBmp(bitmap, dir, makeBmp(layout)));
    expectFixturePixels(bitmap);
    EXPECT_EQ(bitmap.getPixel(3, 2) >> 24, 0x80u);
}

TEST_F(BitmapTest, ReadsPaletteImagesOf1_4And8Bits) {
    BmpLayout layout;
    layout.width = 9;
    layout.height = 1;
    layout.bitCount = 1;
    layout.palette = {0x000000, 0x102030};
    layout.rows = {{0b10100000, 0b10000000}};
    ASSERT_TRUE(loadBmp(bitmap, dir, makeBmp(layout)));
    EXPECT_EQ(colorAt(bitmap, 0, 0), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(colorAt(bitmap, 1, 0), RGB(0, 0, 0));
    EXPECT_EQ(colorAt(bitmap, 2, 0), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(colorAt(bitmap, 8, 0), RGB(0x10, 0x20, 0x30));

    layout.width = 3;
    layout.bitCount = 4;
    layout.palette = {0xFF0000, 0x00FF00, 0x0000FF};
    layout.rows = {{0x21, 0x00}};
    ASSERT_TRUE(loadBmp(bitmap, dir, makeBmp(layout)));
    EXPECT_EQ(colorAt(bitmap, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(colorAt(bitmap, 1, 0), RGB(0, 255, 0));
    EXPECT_EQ(colorAt(bitmap, 2, 0), RGB(255, 0, 0));

    layout.width = 3;
    layout.bitCount = 8;
    layout.palette = {0x112233, 0x445566};
    layout.rows = {{1, 0, 200}};  // 200 is past the two palette entries
    ASSERT_TRUE(loadBmp(bitmap, dir, makeBmp(layout)));
    EXPECT_EQ(colorAt(bitmap, 0, 0), RGB(0x44, 0x55, 0x66));
    EXPECT_EQ(colorAt(bitmap, 1, 0), RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(colorAt(bitmap, 2, 0), RGB(0, 0, 0));
}

TEST_F(BitmapTest, Reads16BitAs555UnlessBitFieldsSayOtherwise) {
    BmpLayout layout;
    layout.width = 4;
    layout.height = 1;
    layout.bitCount = 16;
    layout.rows = {{0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0x10, 0x42}};
    ASSERT_TRUE(loadBmp(bitmap, dir, makeBmp(layout)));
    EXPECT_EQ(colorAt(bitmap, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(colorAt(bitmap, 1, 0), RGB(0, 255, 0));
    EXPECT_EQ(colorAt(bitmap, 2, 0), RGB(0, 0, 255));
    EXPECT_EQ(colorAt(bitmap, 3, 0), RGB(131, 131, 131));

    layout.compression = BI_BITFIELDS;
    layout.masks = {0xF800, 0x07E0, 0x001F};
    layout.rows = {{0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0x00, 0x04}};
    ASSERT_TRUE(loadBmp(bitmap, dir, makeBmp(layout)));
    EXPECT_EQ(colorAt(bitmap, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(colorAt(bitmap, 1, 0), RGB(0, 255, 0));
    EXPECT_EQ(colorAt(bitmap, 2, 0), RGB(0, 0, 255));
    EXPECT_EQ(colorAt(bitmap, 3, 0), RGB(0, 129, 0));
}

TEST_F(BitmapTest, HonoursThePixelOffsetOfTheFileHeader) {
    BmpLayout layout;
    layout.width = 4;
    layout.height = 3;
    layout.rows = fixtureRows(3);
    layout.gap = 10;
    ASSERT_TRUE(loadBmp(bitmap, dir, makeBmp(layout)));
    expectFixturePixels(bitmap);
}

TEST_F(BitmapTest, RefusesCraftedAndTruncatedFilesWithoutReadingPastThem) {
    BmpLayout layout;
    layout.width = 4;
    layout.height = 3;
    layout.bitCount = 8;
    layout.palette = std::vector<uint32_t>(256, 0x808080);
    layout.rows = {{1, 2, 3, 4}, {1, 2, 3, 4}, {1, 2, 3, 4}};
    const std::vector<uint8_t> good = makeBmp(layout);
    for (size_t length = 0; length < good.size(); length += 7) {
        std::vector<uint8_t> truncated(good.begin(), good.begin() + static_cast<long>(length));
        if (length == 0) truncated = {'B'};
        EXPECT_FALSE(loadBmp(bitmap, dir, truncated)) << "length " << length;
        EXPECT_TRUE(bitmap.isEmpty());
    }

    auto crafted = [&](size_t at, uint32_t value) {
        std::vector<uint8_t> bytes = good;
        put32(bytes, at, value);
        return loadBmp(bitmap, dir, bytes);
    };
    EXPECT_FALSE(crafted(18, 0x7FFFFFFF)) << "huge width";
    EXPECT_FALSE(crafted(22, 0x80000000)) << "most negative height";
    EXPECT_FALSE(crafted(22, 100000)) << "more rows than the file holds";
    EXPECT_FALSE(crafted(14, 0xFFFFFF00)) << "header size past the file";
    EXPECT_FALSE(crafted(10, 0xFFFFFFF0)) << "pixel offset past the file";
    EXPECT_FALSE(crafted(30, BI_RLE8)) << "compressed pixels";
    EXPECT_FALSE(crafted(26, 12 << 16)) << "unsupported bit count";
    BmpLayout small;
    small.width = 1;
    small.height = 1;
    small.bitCount = 8;
    small.palette = {0x123456};
    small.rows = {{0}};
    std::vector<uint8_t> shortPalette = makeBmp(small);
    put32(shortPalette, 46, 0);  // 256 entries that the file doesn't hold
    EXPECT_FALSE(loadBmp(bitmap, dir, shortPalette));
    EXPECT_FALSE(loadBmp(bitmap, dir, {'P', 'K', 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(bitmap.getPath().empty()) << "a refused file keeps no path";
    EXPECT_TRUE(takeShownMessages().empty());
    EXPECT_TRUE(loadBmp(bitmap, dir, good)) << "the untouched file still loads";
}

TEST_F(BitmapTest, MissingFilesAndUnknownExtensionsThrow) {
    EXPECT_THROW(bitmap.load(dir.file(L"absent.bmp")), Exception);
    EXPECT_THROW(bitmap.load(dir.file(L"absent.png")), Exception);
    writeBytes(dir.file(L"noextension"), readBytes(imageFixture(L"colour.png")));
    EXPECT_THROW(bitmap.load(dir.file(L"noextension")), Exception);
    EXPECT_THROW(bitmap.load(dir.file(L"picture.tif")), Exception);
    EXPECT_TRUE(bitmap.isEmpty());
}

TEST_F(BitmapTest, SavesBmpAndPngThatLoadBackIdentically) {
    ASSERT_TRUE(bitmap.create(5, 4));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x) bitmap.setPixel(x, y, RGB(x * 50, y * 60, x * y * 10));
    }
    ASSERT_TRUE(bitmap.saveAs(dir.file(L"out.bmp"))) << bitmap.getStatus().c_str();
    Bitmap bmp;
    ASSERT_TRUE(bmp.load(dir.file(L"out.bmp")));
    ASSERT_TRUE(bitmap.saveAs(dir.file(L"out.PNG")));
    Bitmap png;
    ASSERT_TRUE(png.load(dir.file(L"out.PNG")));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(colorAt(bmp, x, y), colorAt(bitmap, x, y));
            EXPECT_EQ(colorAt(png, x, y), colorAt(bitmap, x, y));
        }
    }
    EXPECT_EQ(png.getPixel(4, 3) >> 24, 255u) << "a picture without alpha is saved opaque";
}

TEST_F(BitmapTest, SavingAPngWithAlphaKeepsItsAlpha) {
    ASSERT_TRUE(bitmap.load(imageFixture(L"alpha.png")));
    ASSERT_TRUE(bitmap.saveAs(dir.file(L"copy.png")));
    Bitmap copy;
    ASSERT_TRUE(copy.load(dir.file(L"copy.png")));
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) EXPECT_EQ(copy.getPixel(x, y), bitmap.getPixel(x, y));
    }
}

TEST_F(BitmapTest, SaveFailuresAnswerFalseWithAReason) {
    EXPECT_FALSE(bitmap.saveAs(dir.file(L"empty.bmp")));
    EXPECT_EQ(bitmap.getStatus(), L"Bitmap is empty.");
    ASSERT_TRUE(bitmap.create(2, 2));
    EXPECT_FALSE(bitmap.saveAs(dir.file(L"no\\such\\folder\\x.bmp")));
    EXPECT_EQ(bitmap.getStatus(), L"Couldn't crate Bitmap File");
    EXPECT_FALSE(bitmap.saveAs(dir.file(L"no\\such\\folder\\x.png")));
    std::wstring longName = dir.file(std::wstring(200, L'a') + L".bmp");
    EXPECT_TRUE(bitmap.saveAs(longName));
}

TEST_F(BitmapTest, CreateAndPixelAccessStayInsideTheBitmap) {
    EXPECT_FALSE(bitmap.create(0, 5));
    EXPECT_FALSE(bitmap.create(5, 0));
    EXPECT_FALSE(bitmap.create(-1, 5));
    EXPECT_FALSE(bitmap.create(200000, 200000)) << "a section that can't be made is a failure";
    EXPECT_TRUE(bitmap.isEmpty());
    ASSERT_TRUE(bitmap.create(5, -3));
    EXPECT_EQ(bitmap.getWidth(), 5);
    EXPECT_EQ(bitmap.getHeight(), 3);
    bitmap.setPixel(4, 2, RGB(1, 2, 3));
    EXPECT_EQ(colorAt(bitmap, 4, 2), RGB(1, 2, 3));
    for (POINT p : {POINT{-1, 0}, POINT{5, 0}, POINT{0, 3}, POINT{0, -1}, POINT{100000, 100000}}) {
        bitmap.setPixel(p.x, p.y, RGB(9, 9, 9));
        EXPECT_EQ(bitmap.getPixel(p.x, p.y), 0u);
    }
    bitmap.setColorKey(0x12345678);
    EXPECT_EQ(bitmap.getColorKey(), 0x345678u);
}

TEST_F(BitmapTest, AssignmentCopiesThePixels) {
    ASSERT_TRUE(bitmap.load(imageFixture(L"colour.png")));
    Bitmap copy;
    copy = bitmap;
    expectFixturePixels(copy);
    EXPECT_EQ(copy.getPath(), bitmap.getPath());
    copy = copy;
    expectFixturePixels(copy);
    HBITMAP handle = Bitmap::copyBitmap(bitmap.getHandle());
    EXPECT_NE(handle, nullptr);
    ::DeleteObject(handle);
    EXPECT_EQ(Bitmap::copyBitmap(nullptr), nullptr);
}

TEST(ImageTest, CreateClampsAndLoadDividesIntoCells) {
    Image image;
    ASSERT_TRUE(image.create(5000, 10));
    EXPECT_EQ(image.getWidth(), 4096);
    EXPECT_EQ(image.getHeight(), 10);

    TempDirectory dir;
    BmpLayout layout;
    layout.width = 8;
    layout.height = 40;
    layout.rows.assign(40, std::vector<uint8_t>(24, 0x40));
    writeBytes(dir.file(L"strip.bmp"), makeBmp(layout));
    ASSERT_TRUE(image.load(dir.file(L"strip.bmp")));
    EXPECT_TRUE(image.isLoaded());
    EXPECT_EQ(image.getColumnCount(), 1);
    EXPECT_EQ(image.getRowCount(), 2);
    image.setLocation(3, 4);
    image.setScale(2.0, 0.5);
    EXPECT_EQ(image.getBounds(), Rect(3, 4, 16, 20));

    EXPECT_THROW(image.load(dir.file(L"absent.png")), Exception);
    EXPECT_FALSE(image.isLoaded());
}

}  // namespace
