// Driving a table downloader dialog in tests: buttons, keys and the state of rows.
#pragma once

#include <windows.h>

#include <string>

#include "downloaders/table/AbstractDownloader.h"
#include "testsupport/TestWindows.h"

inline void clickButton(Dialog& dialog, Button& button) {
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button.m_hWnd), BN_CLICKED),
                   reinterpret_cast<LPARAM>(button.m_hWnd));
}

inline bool isEnabled(Button& button) { return ::IsWindowEnabled(button.m_hWnd) != FALSE; }

// "ADSx": which of Analyze, Download, Stop, Delete are enabled, as letters or "-".
inline std::string buttonStates(AbstractDownloader& dialog) {
    std::string states;
    states += isEnabled(dialog.getAnalyzeButton()) ? 'A' : '-';
    states += isEnabled(dialog.getDownloadButton()) ? 'D' : '-';
    states += isEnabled(dialog.getStopButton()) ? 'S' : '-';
    states += isEnabled(dialog.getDeleteButton()) ? 'X' : '-';
    return states;
}

inline std::wstring cell(AbstractDownloader& dialog, int row, int column) {
    return dialog.getTable().getItemTextW(row, column);
}

inline void pressKeyInTable(AbstractDownloader& dialog, WPARAM key) {
    ::SendMessageW(dialog.getTable().m_hWnd, WM_KEYDOWN, key, 0);
}

// Waits until no pass runs (the buttons restored).
inline bool waitForPassEnd(AbstractDownloader& dialog, int timeoutMs = 15000) {
    return pumpUntil([&] { return !dialog.isPassRunning(); }, timeoutMs);
}

// Closes a test's dialog and lets the window system settle before the next one opens:
// under Wine here a window opened while the last one's X events were still queued has
// ended in X errors.
inline void closeTestDialog(Dialog& dialog) {
    if (!dialog.m_hWnd) return;
    ::ShowWindow(dialog.m_hWnd, SW_HIDE);
    pumpUntil([] { return false; }, 30);
    ::DestroyWindow(dialog.m_hWnd);
    pumpUntil([] { return false; }, 30);
}

