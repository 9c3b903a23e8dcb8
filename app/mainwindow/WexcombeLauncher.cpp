#include "app/mainwindow/WexcombeLauncher.h"

#include <shellapi.h>

#include "foundation/system/FileDialogs.h"
#include "foundation/system/ModulePath.h"
#include "player/settings/Settings.h"

namespace {

const wchar_t kSection[] = L"Wexcombe";
const wchar_t kKey[] = L"Path";

bool isFile(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

std::wstring locateWexcombe(const std::wstring& iniPath, const std::function<std::wstring()>& choose) {
    std::wstring exe = readIniString(iniPath, kSection, kKey, L"Wexcombe.exe");
    if (!exe.empty() && isFile(exe)) return exe;
    exe = choose ? choose() : std::wstring();
    writeIniString(iniPath, kSection, kKey, exe);
    return exe;
}

std::wstring chooseWexcombe(HWND owner) {
    return showOpenFileDialog(owner, L"Wexcombe.exe|Wexcombe.exe", getModuleDirectory());
}

void startWexcombe(HWND owner, const std::wstring& exe, const std::wstring& sentenceListPath) {
    if (exe.empty()) return;
    const std::wstring parameters = L"\"" + sentenceListPath + L"\"";
    ::ShellExecuteW(owner, L"open", exe.c_str(), parameters.c_str(), nullptr, SW_SHOWNORMAL);
}
