// The recorder: a windowless program that appends its whole command line to recorder.log
// beside itself and exits. The tests register it for file types and URL schemes.
#include "tests/e2e/record_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    zevadar::e2e::AppendToOwnLog(nullptr, GetCommandLineA());
    return 0;
}
