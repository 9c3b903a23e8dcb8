#include "toolkit/widgets/TreeLabelField.h"

LRESULT TreeLabelField::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_GETDLGCODE) return TextField::windowProc(hwnd, msg, wParam, lParam) | DLGC_WANTALLKEYS;
    return TextField::windowProc(hwnd, msg, wParam, lParam);
}
