// A shown frame holding an own-drawn table, and the mouse and keyboard input the table
// tests send to it. The table reads the real cursor, so every mouse message is preceded
// by a cursor move.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "testsupport/TestWindows.h"
#include "toolkit/tests/TestFrames.h"
#include "toolkit/widgets/TableComponent.h"

class RecordingModelListener : public TableModelListener {
public:
    void tableChanged(TableModelEvent event) override { events.push_back(event); }
    std::vector<TableModelEvent> events;
};

class TableFixture : public ::testing::Test {
protected:
    // Ten rows per page: the window is 20 (header) + 10 x 16 + 2 (border) high.
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 20 + 10 * 16 + 2;

    void SetUp() override {
        ASSERT_TRUE(frame.create());
        ::SetWindowPos(frame.m_hWnd, nullptr, 60, 60, 600, 400, SWP_NOZORDER);
        frame.setVisible(true);
        ASSERT_TRUE(table.createWithDefaultBounds(frame.m_hWnd));
        table.setId(42);
        table.setBounds(10, 10, kWidth, kHeight);
        table.addColumn(L"Sentence", 100);
        table.addColumn(L"Translation", 100);
        table.addColumn(L"Explanation", 100);
        table.getModel()->addTableModelListener(&modelListener);
        pumpMessages();
        frame.notifyCodes.clear();
    }

    void TearDown() override { setKeys({}); }

    void fill(int rows) {
        for (int row = 0; row < rows; ++row) {
            table.addItem(L"row " + std::to_wstring(row), -1);
            table.setItemText(L"translation " + std::to_wstring(row), row, 1);
        }
        frame.notifyCodes.clear();
    }

    // Client coordinates of the table: the middle of a row's first cell.
    static int rowY(int windowRow) { return 20 + windowRow * 16 + 8; }

    void moveCursor(int x, int y) {
        POINT p{x, y};
        ::ClientToScreen(table.m_hWnd, &p);
        ::SetCursorPos(p.x, p.y);
    }
    void mouse(UINT msg, int x, int y, WPARAM keys = 0) {
        moveCursor(x, y);
        ::SendMessageW(table.m_hWnd, msg, keys, MAKELPARAM(x, y));
    }
    void click(int x, int y) {
        mouse(WM_LBUTTONDOWN, x, y, MK_LBUTTON);
        mouse(WM_LBUTTONUP, x, y);
    }
    // The keyboard state the table reads with GetKeyState.
    void setKeys(std::initializer_list<int> keys) {
        BYTE state[256] = {};
        ::GetKeyboardState(state);
        for (int key : {VK_CONTROL, VK_LCONTROL, VK_SHIFT, VK_LSHIFT}) state[key] = 0;
        for (int key : keys) state[key] = 0x80;
        ::SetKeyboardState(state);
    }
    void key(WPARAM code) { ::SendMessageW(table.m_hWnd, WM_KEYDOWN, code, 1); }

    std::vector<int> selected() { return table.getSelectedIndices(); }
    int count(int code) const {
        return static_cast<int>(std::count(frame.notifyCodes.begin(), frame.notifyCodes.end(), code));
    }
    int topRow() { return static_cast<int>(::SendMessageW(table.m_hWnd, LVM_GETTOPINDEX, 0, 0)); }

    RecordingFrame frame;
    TableComponent table;
    RecordingModelListener modelListener;
};
