#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "testsupport/TestWindows.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/tests/TestFrames.h"
#include "toolkit/widgets/RegionButton.h"

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kNormalFace = RGB(255, 0, 0);
constexpr COLORREF kPressedFace = RGB(0, 160, 0);

// Two 20 x 20 cells side by side, each a filled disc on the key colour: red (normal),
// green (pressed).
std::wstring writeFaces(const TempDirectory& folder) {
    Bitmap faces;
    EXPECT_TRUE(faces.create(40, 20));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            const int dx = x % 20 - 10;
            const int dy = y - 10;
            const bool disc = dx * dx + dy * dy <= 64;
            faces.setPixel(x, y, !disc ? kKey : x < 20 ? kNormalFace : kPressedFace);
        }
    const std::wstring path = folder.file(L"faces.bmp");
    EXPECT_TRUE(faces.saveAs(path));
    return path;
}

class OpenRegionButton : public RegionButton {
public:
    void setLook(bool keyPressed, bool hovered) {
        mKeyPressed = keyPressed;
        mHovered = hovered;
    }
};

COLORREF paintedCentre(RegionButton& button) {
    Graphics g(20, 20);
    button.paint(g);
    return ::GetPixel(g.getHDC(), 10, 10);
}

}  // namespace

class RegionButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.create());
        ASSERT_TRUE(button.create(frame.m_hWnd, 7, L"", 10, 10, 60, 60));
        button.setStateRect(RegionButton::kNormal, Rect(0, 0, 20, 20));
        button.setStateRect(RegionButton::kPressed, Rect(20, 0, 20, 20));
    }

    RecordingFrame frame;
    OpenRegionButton button;
    TempDirectory folder;
};

TEST_F(RegionButtonTest, WindowTakesTheShapeAndSizeOfTheNormalPicture) {
    ASSERT_TRUE(button.setImage(writeFaces(folder)));
    EXPECT_EQ(button.getWidth(), 20);
    EXPECT_EQ(button.getHeight(), 20);
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(button.m_hWnd, region), ERROR);
    EXPECT_TRUE(::PtInRegion(region, 10, 10));
    EXPECT_FALSE(::PtInRegion(region, 0, 0));
    EXPECT_FALSE(::PtInRegion(region, 19, 1));
    ::DeleteObject(region);
}

TEST_F(RegionButtonTest, EachLookDrawsItsOwnRectangleAndAMissingOneNothing) {
    ASSERT_TRUE(button.setImage(writeFaces(folder)));
    EXPECT_EQ(paintedCentre(button), kNormalFace);
    button.setLook(true, false);
    EXPECT_EQ(button.currentState(), RegionButton::kPressed);
    EXPECT_EQ(paintedCentre(button), kPressedFace);
    button.setLook(false, true);  // hot, and the picture has no hot rectangle
    EXPECT_EQ(button.currentState(), RegionButton::kHot);
    EXPECT_EQ(paintedCentre(button), RGB(0, 0, 0));
    button.setLook(false, false);
}

TEST_F(RegionButtonTest, DisabledLookIsThePaleGreyOfDisabledPictures) {
    ASSERT_TRUE(button.setImage(writeFaces(folder)));
    button.setEnabled(false);
    const int grey = std::min(((77 * 255) >> 8) + 96, 255);
    EXPECT_EQ(paintedCentre(button), RGB(grey, grey, grey));
}

TEST_F(RegionButtonTest, PictureThatDoesNotLoadLeavesTheWindowUnshaped) {
    const std::wstring bad = folder.file(L"bad.bmp");
    std::ofstream(bad.c_str(), std::ios::binary) << "not a picture at all";
    EXPECT_FALSE(button.setImage(bad));
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(::GetWindowRgn(button.m_hWnd, region), ERROR);
    ::DeleteObject(region);
    EXPECT_EQ(button.getWidth(), 60);
    EXPECT_ANY_THROW(button.setImage(folder.file(L"missing.bmp")));
}
