// A stand-in for a program that another program starts with a file path: it writes the
// arguments it received, one a line in UTF-8, to the first argument + ".opened".
#include <windows.h>
#include <shellapi.h>

#include <string>

int main() {
    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!arguments || count < 2) return 2;
    std::string text;
    for (int i = 1; i < count; ++i) {
        const int size = ::WideCharToMultiByte(CP_UTF8, 0, arguments[i], -1, nullptr, 0, nullptr, nullptr);
        std::string line(static_cast<size_t>(size > 0 ? size - 1 : 0), '\0');
        if (size > 1) ::WideCharToMultiByte(CP_UTF8, 0, arguments[i], -1, &line[0], size, nullptr, nullptr);
        text += line + "\n";
    }
    const std::wstring target = std::wstring(arguments[1]) + L".opened";
    HANDLE file = ::CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ::CloseHandle(file);
    return 0;
}
