#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "player/lyrics/SentenceTablePopup.h"
#include "player/tests/LyricsTestSupport.h"
#include "toolkit/window/PopupMenu.h"

namespace {

const int kItems[] = {SentenceTablePopup::kEditItem,  SentenceTablePopup::kAddItem,     SentenceTablePopup::kDeleteItem,
                      SentenceTablePopup::kMergeItem, SentenceTablePopup::kLaterItem,   SentenceTablePopup::kEarlierItem,
                      SentenceTablePopup::kPlayItem,  SentenceTablePopup::kSwapItem};

// The rows with a popup whose editing and playing are recorded.
class SentenceTablePopupTest : public ::testing::Test, public SentenceFixture {
protected:
    SentenceTablePopupTest() {
        SentenceTablePopup::Actions actions;
        actions.editSentence = [this](int row, bool editMode) { edits.emplace_back(row, editMode); };
        actions.playSelectedSentence = [this] { ++plays; };
        actions.timesChanged = [this] { ++timeChanges; };
        popup = std::make_unique<SentenceTablePopup>(rows, actions);
    }
    // Builds the menu on the selection, as a right click does, and answers its item states.
    std::vector<bool> enabledItems() {
        menu = std::make_unique<PopupMenu>();
        popup->build(*menu);
        std::vector<bool> enabled;
        for (int id : kItems) {
            const UINT state = ::GetMenuState(menu->getHandle(), static_cast<UINT>(id), MF_BYCOMMAND);
            EXPECT_NE(state, static_cast<UINT>(-1)) << "no item " << id;
            enabled.push_back((state & MF_GRAYED) == 0);
        }
        return enabled;
    }
    void choose(std::initializer_list<int> selected, int id) {
        selectOnly(selected);
        enabledItems();
        popup->run(id);
    }
    std::wstring itemText(int id) {
        wchar_t text[128] = {};
        ::GetMenuStringW(menu->getHandle(), static_cast<UINT>(id), text, 128, MF_BYCOMMAND);
        return text;
    }

    std::unique_ptr<SentenceTablePopup> popup;
    std::unique_ptr<PopupMenu> menu;
    std::vector<std::pair<int, bool>> edits;
    int plays = 0;
    int timeChanges = 0;
};

TEST_F(SentenceTablePopupTest, ItemsAreEnabledByTheNumberOfSelectedRows) {
    fill(4);
    //                                        edit   add   delete merge  plus   minus  play   swap
    EXPECT_EQ(enabledItems(), (std::vector<bool>{false, true, false, false, false, false, false, false}));
    selectOnly({2});
    EXPECT_EQ(enabledItems(), (std::vector<bool>{true, true, true, false, true, true, true, true}));
    selectOnly({1, 3});
    EXPECT_EQ(enabledItems(), (std::vector<bool>{true, true, true, true, true, true, false, true}));
}

TEST_F(SentenceTablePopupTest, ItemsReadAsTheLearnerKnowsThem) {
    fill(1);
    enabledItems();
    EXPECT_EQ(itemText(SentenceTablePopup::kEditItem), L"&Edit...\tE");
    EXPECT_EQ(itemText(SentenceTablePopup::kMergeItem), L"Marge\u9078\u629E\u3057\u305F\u30BB\u30F3\u30C6\u30F3\u30B9\u3092\u4E00\u3064\u306B\u3059\u308B");
    EXPECT_EQ(itemText(SentenceTablePopup::kLaterItem), L"Plus 1ms\t+");
    EXPECT_EQ(itemText(SentenceTablePopup::kEarlierItem), L"Minus 1ms\t-");
    EXPECT_EQ(itemText(SentenceTablePopup::kPlayItem), L"Play this sentence\tEnter");
    EXPECT_EQ(itemText(SentenceTablePopup::kSwapItem), L"Swap Sentence for Translation");
    // Edit, Add | Delete | Merge | Plus, Minus | Play | Swap
    EXPECT_EQ(::GetMenuItemCount(menu->getHandle()), 13);
}

TEST_F(SentenceTablePopupTest, DeleteRemovesEverySelectedRowFromTableAndView) {
    fill(6);
    choose({1, 3, 4}, SentenceTablePopup::kDeleteItem);
    EXPECT_TRUE(rowsInStep(*this));
    EXPECT_EQ(editor.getDocumentText(), L"S0 S2 S5 ");
    EXPECT_EQ(rows.getTranslation(2), L"T5");
    EXPECT_EQ(rows.getStartText(2), L"00:05:00");
}

TEST_F(SentenceTablePopupTest, PlusAndMinusStepTheSelectedStartsByTenMilliseconds) {
    fill(4);
    rows.setStartCell(1, 60000);
    editor.setStartTime(1, 60000);
    choose({1}, SentenceTablePopup::kLaterItem);
    EXPECT_EQ(rows.getStartText(1), L"01:00:01");
    choose({1, 2}, SentenceTablePopup::kEarlierItem);
    choose({1, 2}, SentenceTablePopup::kEarlierItem);
    EXPECT_EQ(rows.getStartText(1), L"00:59:99");
    EXPECT_EQ(editor.getStartTime(2), 1980u);
    EXPECT_EQ(rows.getStartText(0), L"00:00:00") << "unselected rows keep their start";
    EXPECT_EQ(timeChanges, 3) << "each step marks the sentences changed";
    choose({}, SentenceTablePopup::kLaterItem);
    EXPECT_EQ(timeChanges, 3);
    EXPECT_TRUE(rowsInStep(*this));
}

TEST_F(SentenceTablePopupTest, UnknownGreyedOrNoChoiceChangesNothing) {
    fill(3);
    for (int id : {0, 5, 12, 199, 3000}) choose({0, 1, 2}, id);
    // Greyed items reached anyway do nothing either.
    for (int id : kItems) {
        if (id != SentenceTablePopup::kAddItem) choose({}, id);
    }
    choose({1}, SentenceTablePopup::kMergeItem);
    EXPECT_EQ(editor.getDocumentText(), L"S0 S1 S2 ");
    EXPECT_EQ(rows.getStartText(2), L"00:02:00");
    EXPECT_TRUE(edits.empty());
    EXPECT_EQ(plays + timeChanges, 0);
}

}  // namespace
