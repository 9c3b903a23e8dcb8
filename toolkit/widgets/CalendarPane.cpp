#include "toolkit/widgets/CalendarPane.h"

#include <commctrl.h>

#include "toolkit/window/WindowProcedure.h"

bool CalendarPane::create(HWND parent, int x, int y, int width, int height) {
    m_hWnd = ::CreateWindowExW(0, DATETIMEPICK_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER | DTS_LONGDATEFORMAT,
                               x, y, width, height, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (!m_hWnd) return false;
    ::SendMessageW(m_hWnd, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"yyy'/'MM'/'dd'"));
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    subclassControl(*this);
    return true;
}
