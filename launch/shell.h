// The one seam through which the program asks Windows to start something. The real one calls
// the system (shell_win.h); tests record the calls instead.
#pragma once

#include <cstdint>

namespace zevadar::launch {

// Windows handles, opaque here so that launching builds and is tested without windows.h.
using WindowHandle = void*;
using IconHandle = void*;
using ModuleHandle = void*;
using ProcAddress = void (*)();

inline constexpr int kShowNormal = 1;  // SW_SHOWNORMAL

class Shell {
public:
    virtual ~Shell() = default;

    // ShellExecuteA; the instance handle it returns, as an integer (> 32 means success).
    virtual std::intptr_t ShellExecuteA(WindowHandle owner, const char* verb, const char* file,
                                        const char* parameters, const char* directory,
                                        int show) = 0;
    virtual unsigned WinExec(const char* commandLine, unsigned show) = 0;
    virtual ModuleHandle LoadLibraryA(const char* fileName) = 0;
    // The export of `module` at `ordinal`, or null.
    virtual ProcAddress GetProcAddress(ModuleHandle module, unsigned ordinal) = 0;
    // Calls the shell's Run dialog function found by GetProcAddress. The strings are ANSI; the
    // function takes them as UTF-16, so the call converts them.
    virtual void CallRunDialog(ProcAddress runDialog, WindowHandle owner, IconHandle icon,
                               const char* workingDirectory, const char* title,
                               const char* description, unsigned flags) = 0;
    virtual void FreeLibrary(ModuleHandle module) = 0;
};

}  // namespace zevadar::launch
