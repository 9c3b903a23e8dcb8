// Selecting rows of the own-drawn table with the mouse and the keyboard.
#include "toolkit/tests/TableTestSupport.h"

namespace {

class KeyRecorder : public KeyListener {
public:
    void onKeyEvent(KeyEvent event) override { keys.push_back(event.keyCode); }
    std::vector<int> keys;
};

}  // namespace

using TableSelection = TableFixture;

TEST_F(TableSelection, ClickSelectsOneRowAndTakesTheFocus) {
    fill(8);
    click(50, rowY(2));
    EXPECT_EQ(selected(), std::vector<int>{2});
    EXPECT_EQ(table.getCurrentRow(), 2);
    EXPECT_TRUE(table.hasFocus());
    EXPECT_GE(count(LVN_ITEMCHANGED), 1);
    EXPECT_EQ(count(NM_CLICK), 1);

    click(250, rowY(5));  // any column selects the whole row
    EXPECT_EQ(selected(), std::vector<int>{5});
    EXPECT_EQ(table.getColumn(2).getState(5), static_cast<UINT>(LVIS_SELECTED));
}

TEST_F(TableSelection, CtrlClickTogglesRows) {
    fill(8);
    click(50, rowY(1));
    setKeys({VK_CONTROL});
    click(50, rowY(4));
    click(50, rowY(6));
    EXPECT_EQ(selected(), (std::vector<int>{1, 4, 6}));
    click(50, rowY(4));
    EXPECT_EQ(selected(), (std::vector<int>{1, 6}));
}

TEST_F(TableSelection, ShiftClickSelectsTheClickedRowAlone) {
    // Ranges are chosen by dragging a band; Shift adds nothing to a click.
    fill(8);
    click(50, rowY(1));
    setKeys({VK_SHIFT});
    click(50, rowY(4));
    EXPECT_EQ(selected(), std::vector<int>{4});
}

TEST_F(TableSelection, ClickBelowTheRowsClearsTheSelection) {
    fill(3);
    click(50, rowY(1));
    frame.notifyCodes.clear();
    click(50, rowY(7));
    EXPECT_TRUE(selected().empty());
    EXPECT_EQ(count(LVN_ITEMCHANGED), 1);
}

TEST_F(TableSelection, ClickInACheckBoxFlipsItAndKeepsTheSelection) {
    fill(4);
    table.setExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES);
    click(50, rowY(0));
    modelListener.events.clear();
    click(8, rowY(2) - 2);
    EXPECT_TRUE(table.isChecked(2));
    EXPECT_EQ(selected(), std::vector<int>{0});
    ASSERT_EQ(modelListener.events.size(), 1u);
    EXPECT_EQ(modelListener.events[0].type, TableModelEvent::kCheckBoxChanged);
    EXPECT_EQ(modelListener.events[0].id, 0);
    EXPECT_EQ(modelListener.events[0].firstRow, 2);
    EXPECT_EQ(table.getMouseState(), TableComponent::MouseState::Idle);
    click(8, rowY(2) - 2);
    EXPECT_FALSE(table.isChecked(2));
}

TEST_F(TableSelection, BandSelectsTheRowsItCrosses) {
    fill(8);
    mouse(WM_LBUTTONDOWN, 50, rowY(2), MK_LBUTTON);
    EXPECT_EQ(table.getMouseState(), TableComponent::MouseState::BandSelection);
    frame.notifyCodes.clear();
    mouse(WM_MOUSEMOVE, 60, rowY(2) + 3, MK_LBUTTON);  // same rows: no change
    EXPECT_EQ(count(LVN_ITEMCHANGED), 0);
    mouse(WM_MOUSEMOVE, 60, rowY(4), MK_LBUTTON);
    mouse(WM_MOUSEMOVE, 60, rowY(5), MK_LBUTTON);
    EXPECT_EQ(selected(), (std::vector<int>{2, 3, 4, 5}));
    EXPECT_EQ(count(LVN_ITEMCHANGED), 2);
    mouse(WM_MOUSEMOVE, 60, rowY(0), MK_LBUTTON);  // upwards past the start
    EXPECT_EQ(selected(), (std::vector<int>{0, 1, 2}));
    mouse(WM_LBUTTONUP, 60, rowY(0));
    EXPECT_EQ(table.getMouseState(), TableComponent::MouseState::Idle);
    EXPECT_FALSE(table.isAutoScrolling());
}

TEST_F(TableSelection, BandAboveTheHeaderLineSelectsNothingThere) {
    fill(8);
    mouse(WM_LBUTTONDOWN, 50, rowY(3), MK_LBUTTON);
    mouse(WM_MOUSEMOVE, 50, rowY(1), MK_LBUTTON);
    EXPECT_EQ(selected(), (std::vector<int>{1, 2, 3}));
    // Just above the header line, less than a row: row 0 is not taken.
    mouse(WM_MOUSEMOVE, 50, 15, MK_LBUTTON);
    EXPECT_EQ(selected(), (std::vector<int>{1, 2, 3}));
    mouse(WM_LBUTTONUP, 50, 15);
}

TEST_F(TableSelection, CtrlBandFlipsTheRowsUnderIt) {
    fill(8);
    click(50, rowY(3));
    setKeys({VK_CONTROL});
    mouse(WM_LBUTTONDOWN, 50, rowY(5), MK_LBUTTON | MK_CONTROL);
    mouse(WM_MOUSEMOVE, 50, rowY(2), MK_LBUTTON | MK_CONTROL);
    mouse(WM_LBUTTONUP, 50, rowY(2));
    EXPECT_EQ(selected(), (std::vector<int>{2, 4, 5}));
}

TEST_F(TableSelection, RightClickKeepsASelectionOfSeveralRows) {
    fill(8);
    table.selectAll();
    mouse(WM_RBUTTONDOWN, 50, rowY(2));
    EXPECT_EQ(selected().size(), 8u);
    table.clearSelection();
    table.select(1);
    mouse(WM_RBUTTONDOWN, 50, rowY(4));
    EXPECT_EQ(selected(), std::vector<int>{4});
}

TEST_F(TableSelection, DoubleClickBelowTheHeaderIsNotified) {
    fill(2);
    mouse(WM_LBUTTONDBLCLK, 50, rowY(1));
    EXPECT_EQ(count(NM_DBLCLK), 1);
    mouse(WM_LBUTTONDBLCLK, 50, 10);
    EXPECT_EQ(count(LVN_COLUMNCLICK), 1);
}

TEST_F(TableSelection, ArrowAndPageKeysMoveTheCurrentRow) {
    fill(30);
    key(VK_DOWN);  // from no row to the first
    EXPECT_EQ(selected(), std::vector<int>{0});
    key(VK_UP);
    EXPECT_EQ(selected(), std::vector<int>{0});
    key(VK_NEXT);
    key(VK_DOWN);
    EXPECT_EQ(selected(), std::vector<int>{6});
    EXPECT_EQ(table.getCurrentRow(), 6);
    key(VK_PRIOR);
    EXPECT_EQ(selected(), std::vector<int>{1});
    for (int i = 0; i < 6; ++i) key(VK_NEXT);
    EXPECT_EQ(selected(), std::vector<int>{29});
    EXPECT_EQ(topRow(), 20);  // kept visible
    key(VK_NEXT);
    EXPECT_EQ(selected(), std::vector<int>{29});
    key(VK_RIGHT);
    EXPECT_EQ(selected(), std::vector<int>{29});
    // Home and End are not navigation keys of this table.
    key(VK_HOME);
    EXPECT_EQ(selected(), std::vector<int>{29});
    for (int i = 0; i < 6; ++i) key(VK_PRIOR);
    EXPECT_EQ(selected(), std::vector<int>{0});
    EXPECT_EQ(topRow(), 0);
}

TEST_F(TableSelection, KeysAreNotifiedToTheParentOrTheKeyListeners) {
    fill(3);
    key(VK_RETURN);
    EXPECT_EQ(count(NM_RETURN), 1);
    key('X');
    EXPECT_EQ(count(LVN_KEYDOWN), 1);

    KeyRecorder listener;
    table.addKeyListener(&listener);
    frame.notifyCodes.clear();
    key('X');
    key(VK_RETURN);
    EXPECT_EQ(listener.keys, (std::vector<int>{'X', VK_RETURN}));
    EXPECT_EQ(count(LVN_KEYDOWN), 0);
    EXPECT_EQ(count(NM_RETURN), 0);
}

TEST_F(TableSelection, CtrlASelectsEveryRow) {
    fill(5);
    setKeys({VK_CONTROL});
    key('A');
    EXPECT_EQ(selected().size(), 5u);
    EXPECT_EQ(count(LVN_KEYDOWN), 0);
}

TEST_F(TableSelection, FocusChangesTheSelectedColours) {
    fill(2);
    table.setFocus();
    pumpMessages();
    EXPECT_EQ(table.getColumn(1).getSelectedBackColor(1), ::GetSysColor(COLOR_HIGHLIGHT));
    ::SetFocus(frame.m_hWnd);
    pumpMessages();
    EXPECT_EQ(table.getColumn(1).getSelectedBackColor(0), 0xDDDDDDu);
    EXPECT_EQ(table.getColumn(1).getSelectedBackColor(1), 0xCCCCCCu);
}
