#include "player/lyrics/SentenceTablePopup.h"

#include <algorithm>
#include <utility>

#include "player/lyrics/SentenceRows.h"
#include "toolkit/window/PopupMenu.h"

SentenceTablePopup::SentenceTablePopup(SentenceRows& rows, Actions actions)
    : mRows(rows), mActions(std::move(actions)) {}

void SentenceTablePopup::build(PopupMenu& menu) {
    mSelected = mRows.getSelectedRows();
    std::sort(mSelected.begin(), mSelected.end());
    const bool any = !mSelected.empty();
    menu.addItem(L"&Edit...\tE", kEditItem, any);
    menu.addItem(L"Add...", kAddItem, true);
    menu.addSeparator();
    menu.addItem(L"Delete", kDeleteItem, any);
    menu.addSeparator();
    // Held as a wide text so that it reads the same whatever the system's code page.
    menu.addItem(L"Marge選択したセンテンスを一つにする", kMergeItem, mSelected.size() >= 2);
    menu.addSeparator();
    // One step is 10 ms although the items say 1ms.
    menu.addItem(L"Plus 1ms\t+", kLaterItem, any);
    menu.addItem(L"Minus 1ms\t-", kEarlierItem, any);
    menu.addSeparator();
    menu.addItem(L"Play this sentence\tEnter", kPlayItem, mSelected.size() == 1);
    menu.addSeparator();
    menu.addItem(L"Swap Sentence for Translation", kSwapItem, any);
}

void SentenceTablePopup::run(int id) {
    const bool any = !mSelected.empty();
    switch (id) {
        case kEditItem:
            if (any && mActions.editSentence) mActions.editSentence(mSelected.front(), true);
            break;
        case kAddItem:
            if (mActions.editSentence) mActions.editSentence(any ? mSelected.front() : -1, false);
            break;
        case kDeleteItem:
            for (auto row = mSelected.rbegin(); row != mSelected.rend(); ++row) mRows.deleteRow(*row);
            break;
        case kMergeItem:
            if (mSelected.size() >= 2) mRows.mergeSentences(mSelected);
            break;
        case kLaterItem:
        case kEarlierItem:
            if (!any) break;
            mRows.shiftStartTimes(id == kLaterItem ? +1 : -1);
            if (mActions.timesChanged) mActions.timesChanged();
            break;
        case kPlayItem:
            if (mSelected.size() == 1 && mActions.playSelectedSentence) mActions.playSelectedSentence();
            break;
        case kSwapItem:
            mRows.swapSentenceAndTranslation(mSelected);
            break;
        default:
            break;
    }
}

void SentenceTablePopup::show(HWND owner) {
    PopupMenu menu;
    build(menu);
    run(menu.show(owner));
}
