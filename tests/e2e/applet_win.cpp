// A Control Panel applet with one entry and no user interface: when the Control Panel opens
// it, it appends the command line of the hosting process (rundll32 with Control_RunDLL) to
// applet.log beside itself and returns at once.
#include <windows.h>
// cpl.h relies on the types of windows.h.
#include <cpl.h>

#include "tests/e2e/record_win.h"

namespace {

HMODULE appletModule = nullptr;

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) appletModule = instance;
    return TRUE;
}

extern "C" __declspec(dllexport) LONG APIENTRY CPlApplet(HWND, UINT message, LPARAM, LPARAM param) {
    switch (message) {
        case CPL_INIT:
            return TRUE;
        case CPL_GETCOUNT:
            return 1;
        case CPL_INQUIRE: {
            auto* info = reinterpret_cast<CPLINFO*>(param);
            info->idIcon = CPL_DYNAMIC_RES;
            info->idName = CPL_DYNAMIC_RES;
            info->idInfo = CPL_DYNAMIC_RES;
            info->lData = 0;
            return 0;
        }
        case CPL_DBLCLK:
            zevadar::e2e::AppendToOwnLog(appletModule, GetCommandLineA());
            return 0;
        default:
            return 0;
    }
}
