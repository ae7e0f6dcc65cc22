#include "window/topmost_keeper_win.h"

namespace zevadar::window {
namespace {

constexpr UINT kKeepPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

}  // namespace

void TopmostKeeper::Attach(HWND window) {
    window_ = window;
    if (topMost_) Apply();
}

void TopmostKeeper::SetTopMost(bool topMost) {
    if (topMost == topMost_) return;
    topMost_ = topMost;
    if (window_) Apply();
}

void TopmostKeeper::Apply() const {
    const LONG exStyle = GetWindowLongA(window_, GWL_EXSTYLE);
    SetWindowLongA(window_, GWL_EXSTYLE,
                   topMost_ ? exStyle | WS_EX_TOPMOST : exStyle & ~LONG{WS_EX_TOPMOST});
    SetWindowPos(window_, topMost_ ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kKeepPlace);
}

void TopmostKeeper::BringToTopBand() const {
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, kKeepPlace);
}

void TopmostKeeper::AfterMessage(UINT message, WPARAM wParam) {
    if (!topMost_ || !window_) return;
    switch (message) {
        case WM_ACTIVATEAPP:
            // Losing activation is when another application's window could cover ours.
            if (wParam == FALSE && IsWindowVisible(window_)) BringToTopBand();
            break;
        case WM_SHOWWINDOW:
            if (wParam != FALSE) Apply();
            break;
        default:
            break;
    }
}

}  // namespace zevadar::window
