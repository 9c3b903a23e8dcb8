#include "player/mainwindow/Corvanta.h"

#include <shellapi.h>

Corvanta::Corvanta() {
    setTextColor(0xFFFFFF);
    setBackColor(0x171717);
}

Corvanta::~Corvanta() = default;

bool Corvanta::onCommand(HWND, int id, int) {
    mLastCommand = id;
    return true;
}

bool Corvanta::canClose() { return true; }

bool Corvanta::onClose() {
    if (!canClose()) return false;
    destroy();
    return true;
}

bool Corvanta::onCreate() {
    ::DragAcceptFiles(m_hWnd, TRUE);
    if (HWND frame = ::GetParent(m_hWnd)) ::SetWindowTextW(frame, L"Corvanta");
    ::PostMessageW(m_hWnd, WM_SIZE, 0, 0);
    return false;
}

bool Corvanta::onDropFiles(const std::vector<std::wstring>&) { return false; }
