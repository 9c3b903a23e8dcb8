// The own-drawn table driven through the list-view messages and the Table operations.
#include "toolkit/tests/TableTestSupport.h"

using TableMessages = TableFixture;

TEST(TableWithoutColumns, AnswersNeutrally) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    TableComponent table;
    ASSERT_TRUE(table.createWithDefaultBounds(frame.m_hWnd));
    EXPECT_EQ(table.getClassName(), L"Table");
    EXPECT_EQ(table.getText(), L"This component is Table.");
    EXPECT_EQ(table.insertItem(L"row", 0), -1);
    EXPECT_EQ(table.getItemCount(), 0);
    EXPECT_EQ(table.getHeaderHeight(), 20);
    EXPECT_EQ(table.getRowHeight(), 16);
    EXPECT_EQ(table.getItemText(0, 0), L"");
    EXPECT_FALSE(table.isChecked(0));
    EXPECT_FALSE(table.ensureVisible(0));
    EXPECT_EQ(table.getExtendedStyle(), static_cast<DWORD>(LVS_EX_FULLROWSELECT));
    EXPECT_EQ(::SendMessageW(table.m_hWnd, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTALLKEYS);
}

TEST_F(TableMessages, RowsAndCellsThroughTheMessages) {
    EXPECT_EQ(table.Table::getColumnCount(), 3);  // LVM_GETHEADER, then HDM_GETITEMCOUNT
    EXPECT_EQ(table.insertItem(L"first", 0), 0);
    table.addItem(L"second", -1);
    table.insertRow(L"third", -1, 0);
    table.insertRow(L"cell", 1, 2);
    EXPECT_EQ(table.getItemCount(), 3);
    EXPECT_EQ(table.Table::getItemText(1, 2), L"cell");  // LVM_GETITEMTEXTW
    EXPECT_EQ(table.getItemText(2, 0), L"third");
    EXPECT_EQ(table.getItemText(2, 1), L"");

    // Row -1 is the last row for the cell setter; a missing column answers false.
    EXPECT_TRUE(table.setItemText(L"last", -1, 1));
    EXPECT_EQ(table.getItemText(2, 1), L"last");
    EXPECT_FALSE(table.setItemText(L"x", 0, 3));
    // Row -1 with a sub-item names the row after the last: nothing changes.
    table.insertRow(L"lost", -1, 1);
    EXPECT_EQ(table.getItemCount(), 3);

    // A negative index inserts nothing and is answered as it is.
    EXPECT_EQ(table.insertItem(L"nowhere", -1), -1);
    EXPECT_EQ(table.getItemCount(), 3);

    // Inserting in the middle shifts every column.
    table.insertItem(L"between", 1);
    EXPECT_EQ(table.getItemText(2, 2), L"cell");
    EXPECT_EQ(table.findRow(L"thi", 0, true), 3);
    EXPECT_EQ(table.findRow(L"thi", 0, false), -1);
    EXPECT_EQ(table.findRow(L"cell", 9, false), -1);
}

TEST_F(TableMessages, GetItemNeverOverrunsTheCallersBuffer) {
    table.addItem(L"abcdefghij", -1);
    wchar_t buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), L'Z');
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = 5;
    EXPECT_TRUE(::SendMessageW(table.m_hWnd, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ(buffer, L"abcd");
    EXPECT_EQ(buffer[5], L'Z');

    item.iSubItem = 7;
    EXPECT_FALSE(::SendMessageW(table.m_hWnd, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ(buffer, L"");

    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = buffer;
    column.cchTextMax = 4;
    EXPECT_TRUE(::SendMessageW(table.m_hWnd, LVM_GETCOLUMNW, 1, reinterpret_cast<LPARAM>(&column)));
    EXPECT_STREQ(buffer, L"Tra");
    EXPECT_FALSE(::SendMessageW(table.m_hWnd, LVM_GETCOLUMNW, 3, reinterpret_cast<LPARAM>(&column)));
    column.pszText = const_cast<wchar_t*>(L"Note");
    EXPECT_TRUE(::SendMessageW(table.m_hWnd, LVM_SETCOLUMNW, 2, reinterpret_cast<LPARAM>(&column)));
    EXPECT_EQ(table.getColumn(2).getName(), L"Note");
    EXPECT_FALSE(::SendMessageW(table.m_hWnd, LVM_GETITEMW, 0, 0));
}

TEST_F(TableMessages, SetItemChangesTextImageAndState) {
    fill(3);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_STATE;
    item.iItem = 1;
    item.iSubItem = 2;
    item.pszText = const_cast<wchar_t*>(L"set");
    item.iImage = 4;
    item.state = LVIS_SELECTED;
    EXPECT_TRUE(::SendMessageW(table.m_hWnd, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(table.getItemText(1, 2), L"set");
    EXPECT_EQ(table.getColumn(2).getImage(1), 4);
    EXPECT_EQ(selected(), std::vector<int>{1});
    item.iItem = 3;
    EXPECT_FALSE(::SendMessageW(table.m_hWnd, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

TEST_F(TableMessages, StatesNextItemAndSelection) {
    fill(6);
    table.select(3);
    EXPECT_EQ(::SendMessageW(table.m_hWnd, LVM_GETNEXTITEM, 3, LVNI_SELECTED), 3);
    EXPECT_EQ(::SendMessageW(table.m_hWnd, LVM_GETNEXTITEM, 4, LVNI_SELECTED), -1);
    EXPECT_EQ(::SendMessageW(table.m_hWnd, LVM_GETITEMSTATE, 3, LVIS_SELECTED), LVIS_SELECTED);
    EXPECT_EQ(table.getSelectedIndex(), 3);
    EXPECT_EQ(count(LVN_ITEMCHANGED), 1);
    ASSERT_EQ(modelListener.events.size(), 1u);
    EXPECT_EQ(modelListener.events[0].firstRow, 3);
    EXPECT_EQ(modelListener.events[0].id, LVN_ITEMCHANGED);
    EXPECT_EQ(modelListener.events[0].source, table.getModel());

    // Selecting the same row again changes nothing and tells nobody.
    table.select(3);
    EXPECT_EQ(count(LVN_ITEMCHANGED), 1);

    table.selectAll();
    EXPECT_EQ(selected().size(), 6u);
    table.clearSelection();
    EXPECT_TRUE(selected().empty());

    // The state value is set whole, in every column.
    LVITEMW item{};
    item.state = LVIS_FOCUSED;
    item.stateMask = LVIS_SELECTED;
    ::SendMessageW(table.m_hWnd, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(table.getColumn(2).getState(2), static_cast<UINT>(LVIS_FOCUSED));
    EXPECT_EQ(::SendMessageW(table.m_hWnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), 2);
}

TEST_F(TableMessages, RemovingRowsKeepsSelectionOnItsItem) {
    fill(6);
    table.select(4);
    table.removeItem(2);
    EXPECT_EQ(selected(), std::vector<int>{3});
    EXPECT_EQ(table.getItemText(3, 1), L"translation 4");
    EXPECT_EQ(count(LVN_DELETEITEM), 1);
    table.insertItem(L"new", 1);
    EXPECT_EQ(selected(), std::vector<int>{4});

    // A row that does not exist is not removed and not announced.
    table.removeItem(40);
    EXPECT_EQ(::SendMessageW(table.m_hWnd, LVM_DELETEITEM, 40, 0), FALSE);
    EXPECT_EQ(count(LVN_DELETEITEM), 1);
}

TEST_F(TableMessages, DeleteAllItemsTellsAboutTheLostSelection) {
    fill(4);
    table.deleteAllItems();
    EXPECT_EQ(frame.notifyCodes, std::vector<int>{static_cast<int>(LVN_DELETEALLITEMS)});

    fill(4);
    table.select(1);
    frame.notifyCodes.clear();
    modelListener.events.clear();
    ::SendMessageW(table.m_hWnd, LVM_DELETEALLITEMS, 0, 0);
    EXPECT_EQ(frame.notifyCodes, (std::vector<int>{static_cast<int>(LVN_ITEMCHANGED), static_cast<int>(LVN_DELETEALLITEMS)}));
    ASSERT_EQ(modelListener.events.size(), 1u);
    EXPECT_EQ(modelListener.events[0].firstRow, -1);
    EXPECT_EQ(modelListener.events[0].column, -1);
    EXPECT_EQ(table.getItemCount(), 0);
    EXPECT_EQ(table.getCurrentRow(), -1);
}

TEST_F(TableMessages, MoveRowsKeepsTheirOrderAndRefusesBadRanges) {
    fill(6);
    table.moveRows(1, 2, 3);
    std::vector<std::wstring> order;
    for (int row = 0; row < 6; ++row) order.push_back(table.getItemText(row, 0));
    EXPECT_EQ(order, (std::vector<std::wstring>{L"row 0", L"row 3", L"row 4", L"row 1", L"row 2", L"row 5"}));
    EXPECT_EQ(table.getItemText(3, 1), L"translation 1");

    table.moveRows(4, 5, 0);
    EXPECT_EQ(table.getItemText(0, 0), L"row 2");
    EXPECT_EQ(table.getItemText(1, 0), L"row 5");

    // Out of range: nothing changes (and nothing throws through the window procedure).
    table.moveRows(3, 2, 0);
    table.moveRows(-1, 2, 0);
    table.moveRows(4, 6, 0);
    table.moveRows(0, 1, 5);
    EXPECT_EQ(table.getItemCount(), 6);
    EXPECT_EQ(table.getItemText(0, 0), L"row 2");
}

TEST_F(TableMessages, BadColumnIndexesChangeNothing) {
    fill(2);
    table.setColumnNumbered(true, 3);
    table.setColumnNumbered(true, -1);
    table.setColumnWidth(5, 80);
    EXPECT_EQ(table.getColumn(9).getItemCount(), 0);
    table.setColumnNumbered(true, 2);
    EXPECT_TRUE(table.getColumn(2).isNumbered());
    EXPECT_EQ(::SendMessageW(table.m_hWnd, LVM_GETCOLUMNWIDTH, 3, 0), 0);
}

TEST_F(TableMessages, RectanglesAndHitTests) {
    fill(30);
    table.setExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES);
    RECT rect{};
    rect.top = 1;
    EXPECT_TRUE(::SendMessageW(table.m_hWnd, LVM_GETSUBITEMRECT, 2, reinterpret_cast<LPARAM>(&rect)));
    EXPECT_EQ(Rect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top), Rect(100, 52, 100, 16));
    rect.left = LVIR_BOUNDS;
    EXPECT_TRUE(::SendMessageW(table.m_hWnd, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rect)));
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 20);
    rect.top = 5;
    EXPECT_FALSE(::SendMessageW(table.m_hWnd, LVM_GETSUBITEMRECT, 2, reinterpret_cast<LPARAM>(&rect)));
    EXPECT_EQ(rect.right - rect.left, 0);
    EXPECT_FALSE(::SendMessageW(table.m_hWnd, LVM_GETSUBITEMRECT, 2, 0));

    LVHITTESTINFO hit{};
    hit.pt = POINT{150, rowY(3)};
    EXPECT_EQ(::SendMessageW(table.m_hWnd, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 3);
    EXPECT_EQ(hit.iSubItem, 1);
    EXPECT_EQ(hit.flags, static_cast<UINT>(LVHT_ONITEMLABEL));
    hit.pt = POINT{5, 20 + 16 * 4 + 5};
    EXPECT_EQ(::SendMessageW(table.m_hWnd, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 4);
    EXPECT_EQ(hit.flags, static_cast<UINT>(LVHT_ONITEMSTATEICON));
    hit.pt = POINT{350, rowY(3)};
    EXPECT_EQ(::SendMessageW(table.m_hWnd, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1);
    EXPECT_EQ(hit.flags, static_cast<UINT>(LVHT_NOWHERE));
    EXPECT_EQ(::SendMessageW(table.m_hWnd, LVM_HITTEST, 0, 0), -1);
}

TEST_F(TableMessages, FindItemWrapsAroundFromTheStartRow) {
    fill(12);
    LVFINDINFOW find{};
    find.flags = LVFI_STRING;
    find.psz = L"row 1";
    EXPECT_EQ(::SendMessageW(table.m_hWnd, LVM_FINDITEMW, 5, reinterpret_cast<LPARAM>(&find)), 1);
    find.flags = LVFI_PARTIAL;
    EXPECT_EQ(::SendMessageW(table.m_hWnd, LVM_FINDITEMW, 5, reinterpret_cast<LPARAM>(&find)), 10);
    EXPECT_EQ(::SendMessageW(table.m_hWnd, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)),
              1);
    find.psz = L"missing";
    EXPECT_EQ(::SendMessageW(table.m_hWnd, LVM_FINDITEMW, 0, reinterpret_cast<LPARAM>(&find)), -1);
}

TEST_F(TableMessages, CheckBoxesInTheFirstColumn) {
    fill(3);
    EXPECT_FALSE(table.getColumn(0).hasCheckBoxes());
    ::SendMessageW(table.m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES);
    EXPECT_TRUE(table.getColumn(0).hasCheckBoxes());
    EXPECT_EQ(table.getExtendedStyle(), static_cast<DWORD>(LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES));
    table.setChecked(1, true);
    EXPECT_TRUE(table.isChecked(1));
    table.setChecked(-1, true);
    EXPECT_TRUE(table.isChecked(2));
    EXPECT_FALSE(table.isChecked(0));
    EXPECT_FALSE(table.isChecked(7));
}

TEST_F(TableMessages, SetItemCountIsRefusedWithAMessage) {
    takeShownMessages();
    EXPECT_EQ(::SendMessageW(table.m_hWnd, LVM_SETITEMCOUNT, 100, 0), 0);
    auto shown = takeShownMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, L"LVM_SETITEMCOUNT is not supported");
}

TEST_F(TableMessages, ColoursAndImageList) {
    table.setBackColor(0x102030);
    EXPECT_EQ(static_cast<COLORREF>(::SendMessageW(table.m_hWnd, LVM_GETBKCOLOR, 0, 0)), 0x102030u);
    EXPECT_EQ(static_cast<COLORREF>(::SendMessageW(table.m_hWnd, LVM_GETTEXTBKCOLOR, 0, 0)), 0x102030u);
    table.setTextColor(0x0000FF);
    EXPECT_EQ(static_cast<COLORREF>(::SendMessageW(table.m_hWnd, LVM_GETTEXTCOLOR, 0, 0)), 0x0000FFu);
    HIMAGELIST images = ::ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    EXPECT_EQ(::SendMessageW(table.m_hWnd, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images)),
              reinterpret_cast<LRESULT>(images));
    EXPECT_EQ(::SendMessageW(table.m_hWnd, LVM_GETIMAGELIST, LVSIL_SMALL, 0), reinterpret_cast<LRESULT>(images));
    EXPECT_EQ(table.getColumn(1).getTextOffset(), 0);
}

TEST_F(TableMessages, DragImageHoldsTheFirstCell) {
    fill(3);
    POINT corner{-1, -1};
    auto images = reinterpret_cast<HIMAGELIST>(
        ::SendMessageW(table.m_hWnd, LVM_CREATEDRAGIMAGE, 1, reinterpret_cast<LPARAM>(&corner)));
    ASSERT_NE(images, nullptr);
    int width = 0;
    int height = 0;
    ::ImageList_GetIconSize(images, &width, &height);
    EXPECT_EQ(width, 100);
    EXPECT_EQ(height, 16);
    EXPECT_EQ(::ImageList_GetImageCount(images), 1);
    EXPECT_EQ(corner.y, 36);
    ::ImageList_Destroy(images);
    EXPECT_EQ(::SendMessageW(table.m_hWnd, LVM_CREATEDRAGIMAGE, 9, 0), 0);
}

TEST_F(TableMessages, ColumnWidthsLayOutAndFillTheTable) {
    ::SendMessageW(table.m_hWnd, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(10, 0));
    EXPECT_EQ(::SendMessageW(table.m_hWnd, LVM_GETCOLUMNWIDTH, 0, 0), 32);
    EXPECT_EQ(table.getColumn(1).getX(), 32);
    EXPECT_EQ(table.getColumn(2).getX(), 132);
    // The last column reaches the right edge.
    EXPECT_EQ(table.getColumn(2).getX() + table.getColumn(2).getWidth(), kWidth);
    table.setColumnWidth(0, 33);
    EXPECT_EQ(table.getColumn(0).getWidth(), 33);
    EXPECT_EQ(table.getColumn(2).getX(), 133);

    // A wide column makes the table scroll sideways.
    table.setColumnWidth(1, 900);
    EXPECT_GT(table.getHorizontalRange(), 0);
    ::SendMessageW(table.m_hWnd, WM_HSCROLL, SB_PAGERIGHT, 0);
    EXPECT_GT(table.getHorizontalPosition(), 0);
}
