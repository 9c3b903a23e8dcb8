// The sentence table's right-click menu: edit, add, delete, merge, shift and play rows, or
// swap sentence and translation. The items act on the rows selected when the menu was
// built; editing and playing are left to the owner.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

class PopupMenu;
class SentenceRows;

class SentenceTablePopup {
public:
    enum Item {
        kAddItem = 1,
        kDeleteItem = 2,
        kMergeItem = 3,
        kEditItem = 4,
        kPlayItem = 9,
        kLaterItem = 10,
        kEarlierItem = 11,
        kSwapItem = 200,
    };
    struct Actions {
        // Runs the sentence editor on a row (true) or for a new row before it (false;
        // -1 adds at the end).
        std::function<void(int row, bool editMode)> editSentence;
        std::function<void()> playSelectedSentence;
        // The start times moved: they are not in the view's text, so the owner marks the
        // sentences modified.
        std::function<void()> timesChanged;
    };

    SentenceTablePopup(SentenceRows& rows, Actions actions);

    // Takes the selected rows and adds the items, each enabled for the rows it needs.
    void build(PopupMenu& menu);
    // Carries out a chosen item on the rows taken by build; 0 and other ids do nothing.
    void run(int id);
    // Builds the menu, shows it at the mouse cursor and runs the chosen item.
    void show(HWND owner);

private:
    SentenceRows& mRows;
    Actions mActions;
    std::vector<int> mSelected;
};
