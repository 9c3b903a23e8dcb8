#include <gtest/gtest.h>

#include "foundation/system/MessageBoxes.h"
#include "testsupport/TestWindows.h"

TEST(MessageBoxes, ShowNumberFormatsWithSignAndCaption) {
    takeShownMessages();
    showNumber(-5);
    auto shown = takeShownMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, L"-5");
    EXPECT_EQ(shown[0].caption, L"Ostrelle");
    EXPECT_EQ(shown[0].style, static_cast<UINT>(MB_TOPMOST));
    EXPECT_EQ(shown[0].owner, nullptr);
}

TEST(MessageBoxes, SinkAnswersInPlaceOfTheBox) {
    setMessageBoxAnswer(IDNO);
    EXPECT_EQ(showMessageBox(nullptr, L"Save?", L"Save", MB_YESNO), IDNO);
    setMessageBoxAnswer(IDOK);
    EXPECT_EQ(showMessageW(L"text"), 0);
    auto shown = takeShownMessages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].text, L"text");
}
