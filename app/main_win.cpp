// Zevadar: a one-window launcher for consoles, Control Panel applets and run commands.
#include <objbase.h>
#include <windows.h>

#include <string>

#include "app/error_text.h"
#include "app/main_form_win.h"

namespace {

constexpr char kApplicationTitle[] = "Zevadar";

void ShowFailure(const char* message) {
    const std::string text = zevadar::app::ErrorBoxText(message);
    MessageBoxA(GetActiveWindow(), text.c_str(), kApplicationTitle, MB_OK | MB_ICONSTOP);
}

int RunMessageLoop(HWND form) {
    MSG msg{};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // Tab, Shift+Tab and Space on buttons work as in a dialog box.
        if (IsDialogMessageA(form, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    // The shell calls that start programs want a single-threaded apartment on this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    zevadar::window::Wnd::SetErrorReporter(ShowFailure);
    {
        zevadar::app::TfrmZevadar frmZevadar;
        frmZevadar.Create();
        frmZevadar.Show(showCommand);
        RunMessageLoop(frmZevadar.hwnd());
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return 0;
}
