#include "app/mainwindow/MainWindowTitle.h"

std::wstring formatMainWindowTitle(const std::wstring& audioPath, const std::wstring& programName, bool modified) {
    return (modified ? L"* " : L"") + audioPath + L" - " + programName;
}
