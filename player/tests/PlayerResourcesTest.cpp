#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Image.h"
#include "toolkit/widgets/ToolBar.h"
#include "toolkit/window/BaseWindow.h"

namespace {

const COLORREF kToolMask = 0xE5E5E5;

// Whether any pixel of the cell differs from the key colour (alpha left out).
bool drawnIn(const Bitmap& bitmap, int left, int top, int width, int height, COLORREF key) {
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            if ((bitmap.getPixel(x, y) & 0xFFFFFF) != key) return true;
        }
    }
    return false;
}

class ToolFrame : public BaseWindow {
public:
    ToolFrame() {
        registerClass(L"ToolImagesFrame", nullptr, 0);
        create();
    }
};

}  // namespace

TEST(PlayerResources, TheToolBarStripHoldsTwelveImagesOnTheMaskColour) {
    Bitmap strip;
    ASSERT_TRUE(strip.load(L"Resources\\CorvantaTool.bmp"));
    const ToolBar::StripGeometry geometry = ToolBar::stripGeometry(strip.getWidth(), strip.getHeight());
    EXPECT_EQ(geometry.imageWidth, 16);
    EXPECT_EQ(geometry.imageHeight, 16);
    EXPECT_EQ(geometry.count, 12);
    EXPECT_EQ(strip.getColorKey(), kToolMask);
    // The buttons use images 1 to 7 and 11.
    for (int image : {1, 2, 3, 4, 5, 6, 7, 11}) EXPECT_TRUE(drawnIn(strip, image * 16, 0, 16, 16, kToolMask)) << image;

    ToolFrame frame;
    ToolBar bar;
    ASSERT_TRUE(bar.create(frame.m_hWnd));
    ASSERT_TRUE(bar.setImage(L"Resources\\CorvantaTool.bmp", kToolMask));
    EXPECT_EQ(::ImageList_GetImageCount(bar.getImageList()), 12);
    EXPECT_EQ(::ImageList_GetImageCount(bar.getDisabledImageList()), 12);
}

TEST(PlayerResources, TheAudioStripHasPlayPauseAndStopInThreeLooks) {
    Image strip;
    ASSERT_TRUE(strip.load(L"Resources\\AudioTool.png"));
    ASSERT_EQ(strip.getWidth(), 72);
    ASSERT_EQ(strip.getHeight(), 72);
    EXPECT_EQ(strip.getColorKey(), 0u) << "black around the buttons cuts their shape";
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int x = column * 24;
            const int y = row * 24;
            EXPECT_NE(strip.getPixel(x + 12, y + 12) & 0xFFFFFF, 0u) << column << "," << row;
            EXPECT_EQ(strip.getPixel(x, y) & 0xFFFFFF, 0u) << "corner " << column << "," << row;
            EXPECT_EQ(strip.getPixel(x + 23, y + 23) & 0xFFFFFF, 0u) << "corner " << column << "," << row;
        }
    }
    // The looks differ, so that hovering and pressing show.
    EXPECT_NE(strip.getPixel(12, 2), strip.getPixel(12, 26));
    EXPECT_NE(strip.getPixel(12, 2), strip.getPixel(12, 50));
}
