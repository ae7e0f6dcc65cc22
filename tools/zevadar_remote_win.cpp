// Drives a running Zevadar from outside, for scripts: waits for its window, or presses "Exit".
//   zevadar-remote wait   waits up to 30 s until the window is shown and painted
//   zevadar-remote exit   presses the "Exit" button
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
    if (argc != 2 || (std::strcmp(argv[1], "wait") != 0 && std::strcmp(argv[1], "exit") != 0)) {
        std::fputs("usage: zevadar-remote wait|exit\n", stderr);
        return 2;
    }
    HWND form = WaitForWindow();
    if (!form) {
        std::fputs("zevadar-remote: no Zevadar window\n", stderr);
        return 1;
    }
    if (std::strcmp(argv[1], "exit") == 0) {
        SendMessageA(GetDlgItem(form, zevadar::window::kBtnExit), BM_CLICK, 0, 0);
    } else {
        // Let the window finish its first paint before anyone looks at it.
        SendMessageTimeoutA(form, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
    }
    return 0;
}
