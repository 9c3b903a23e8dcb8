// The find pane's one-line fields: a single-line editor whose Enter, Up and Down keys go
// to the pane (WM_COMMAND with the key code as notification code) instead of the text.
#pragma once

#include "texteditor/editor/TextEditor.h"

class FindTextField : public TextEditor {
public:
    bool onKeyDown(WPARAM key, LPARAM flags) override;
};
