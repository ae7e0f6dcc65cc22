// The seam to the real system calls.
#pragma once

#include "launch/shell.h"

namespace zevadar::launch {

class WindowsShell final : public Shell {
public:
    std::intptr_t ShellExecuteA(WindowHandle owner, const char* verb, const char* file,
                                const char* parameters, const char* directory, int show) override;
    unsigned WinExec(const char* commandLine, unsigned show) override;
    ModuleHandle LoadLibraryA(const char* fileName) override;
    ProcAddress GetProcAddress(ModuleHandle module, unsigned ordinal) override;
    void CallRunDialog(ProcAddress runDialog, WindowHandle owner, IconHandle icon,
                       const char* workingDirectory, const char* title, const char* description,
                       unsigned flags) override;
    void FreeLibrary(ModuleHandle module) override;
};

}  // namespace zevadar::launch
