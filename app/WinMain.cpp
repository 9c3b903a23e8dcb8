// The program's entry point: platform set-up, accelerators, the frame and the one
// message loop. The command line is not read.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <winsock2.h>

#include "app/AcceleratorManager.h"
#include "app/MessageLoop.h"
#include "app/TestApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    if (FAILED(::CoInitialize(nullptr))) return 0;
    ::OleInitialize(nullptr);
    WSADATA wsa{};
    ::WSAStartup(MAKEWORD(2, 0), &wsa);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&controls);

    AcceleratorManager& accelerators = AcceleratorManager::getInstance();
    registerPlayerAccelerators(accelerators);

    int exitCode = 0;
    {
        TestApp app;
        app.create();
        HWND mainWindow = app.getMainWindow().m_hWnd;
        HICON icon = ::LoadIconW(instance, MAKEINTRESOURCEW(100));
        ::SendMessageW(app.m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        app.setVisible(showCommand != 0);

        exitCode = runMessageLoop(mainWindow, accelerators.getHandle());
        ::WSACleanup();
        ::OleUninitialize();
        ::CoUninitialize();
    }
    return exitCode;
}
