#include "texteditor/find/FindTextField.h"

bool FindTextField::onKeyDown(WPARAM key, LPARAM flags) {
    if (key != VK_RETURN && key != VK_UP && key != VK_DOWN) return TextEditor::onKeyDown(key, flags);
    ::SendMessageW(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(0, key), reinterpret_cast<LPARAM>(m_hWnd));
    return true;
}
