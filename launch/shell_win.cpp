#include "launch/shell_win.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>

namespace zevadar::launch {
namespace {

// The Run dialog export takes wide strings on the NT family, the only one the program runs on.
using RunDialogFunction = void(WINAPI*)(HWND owner, HICON icon, LPCWSTR workingDirectory,
                                        LPCWSTR title, LPCWSTR description, UINT flags);

std::wstring Widen(const char* text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1) return std::wstring();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    wide.resize(static_cast<std::size_t>(length - 1));
    return wide;
}

}  // namespace

std::intptr_t WindowsShell::ShellExecuteA(WindowHandle owner, const char* verb, const char* file,
                                          const char* parameters, const char* directory, int show) {
    const HINSTANCE result =
        ::ShellExecuteA(static_cast<HWND>(owner), verb, file, parameters, directory, show);
    return reinterpret_cast<std::intptr_t>(result);
}

unsigned WindowsShell::WinExec(const char* commandLine, unsigned show) {
    return ::WinExec(commandLine, show);
}

ModuleHandle WindowsShell::LoadLibraryA(const char* fileName) {
    return ::LoadLibraryA(fileName);
}

ProcAddress WindowsShell::GetProcAddress(ModuleHandle module, unsigned ordinal) {
    const FARPROC address =
        ::GetProcAddress(static_cast<HMODULE>(module), MAKEINTRESOURCEA(ordinal));
    return reinterpret_cast<ProcAddress>(address);
}

void WindowsShell::CallRunDialog(ProcAddress runDialog, WindowHandle owner, IconHandle icon,
                                 const char* workingDirectory, const char* title,
                                 const char* description, unsigned flags) {
    const std::wstring wideDirectory = Widen(workingDirectory);
    const std::wstring wideTitle = Widen(title);
    const std::wstring wideDescription = Widen(description);
    reinterpret_cast<RunDialogFunction>(runDialog)(
        static_cast<HWND>(owner), static_cast<HICON>(icon), wideDirectory.c_str(),
        wideTitle.c_str(), wideDescription.c_str(), flags);
}

void WindowsShell::FreeLibrary(ModuleHandle module) {
    ::FreeLibrary(static_cast<HMODULE>(module));
}

}  // namespace zevadar::launch
