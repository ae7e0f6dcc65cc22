// Drives a running Zevadar from outside, for scripts:
//   zevadar-remote wait FILE   waits up to 30 s until the window is shown and painted, then
//                              creates FILE (programs started on a Wine virtual desktop cannot
//                              hand back an exit code, so the file says it)
//   zevadar-remote exit        presses the "Exit" button
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "window/control_ids.h"

namespace {

HWND WaitForWindow() {
    for (int tries = 0; tries < 300; ++tries) {
        HWND form = FindWindowA(nullptr, zevadar::window::kMainWindowCaption);
        if (form && IsWindowVisible(form)) return form;
        Sleep(100);
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    const bool wait = argc == 3 && std::strcmp(argv[1], "wait") == 0;
    const bool exit = argc == 2 && std::strcmp(argv[1], "exit") == 0;
    if (!wait && !exit) {
        std::fputs("usage: zevadar-remote wait FILE | exit\n", stderr);
        return 2;
    }
    HWND form = WaitForWindow();
    if (!form) {
        std::fputs("zevadar-remote: no Zevadar window\n", stderr);
        return 1;
    }
    if (exit) {
        SendMessageA(GetDlgItem(form, zevadar::window::kBtnExit), BM_CLICK, 0, 0);
        return 0;
    }
    // The window has painted once it answers a message sent after its first paint.
    SendMessageTimeoutA(form, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
    std::FILE* file = std::fopen(argv[2], "w");
    if (!file) return 1;
    std::fclose(file);
    return 0;
}
