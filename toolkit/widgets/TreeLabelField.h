// The field that takes over a tree item's label editor. It asks for every key, as the
// tree's own editor does, so that Enter ends the edit and Escape cancels it inside a
// dialog too: the dialog manager would otherwise turn them into IDOK and IDCANCEL.
#pragma once

#include "toolkit/widgets/TextField.h"

class TreeLabelField : public TextField {
public:
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
};
