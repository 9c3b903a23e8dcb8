#include "app/MessageLoop.h"

void dispatchWithAccelerators(MSG& msg, HWND mainWindow, HACCEL accelerators) {
    if (::TranslateAcceleratorW(mainWindow, accelerators, &msg)) return;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
}

int runMessageLoop(HWND mainWindow, HACCEL accelerators) {
    MSG msg{};
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) dispatchWithAccelerators(msg, mainWindow, accelerators);
    return static_cast<int>(msg.wParam);
}
