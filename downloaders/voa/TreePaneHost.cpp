#include "downloaders/voa/TreePaneHost.h"

TreePaneHost::TreePaneHost(XmlTreePane& pane) : mPane(pane) { registerClass(L"TreePaneHost"); }

TreePaneHost::~TreePaneHost() { destroy(); }

bool TreePaneHost::onCreate() {
    RECT area{};
    ::GetClientRect(m_hWnd, &area);
    mPane.create(m_hWnd, 0, 0, area.right, area.bottom);
    return false;
}

LRESULT TreePaneHost::onSize(WPARAM, LPARAM lParam) {
    if (mPane.m_hWnd) mPane.setBounds(0, 0, LOWORD(lParam), HIWORD(lParam));
    return 0;
}

LRESULT TreePaneHost::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NOTIFY) return ::SendMessageW(::GetParent(hwnd), msg, wParam, lParam);
    return Component::windowProc(hwnd, msg, wParam, lParam);
}
