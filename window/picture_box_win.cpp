#include "window/picture_box_win.h"

#include <windowsx.h>

namespace zevadar::window {

void PictureBox::Create(HWND parent, const ControlSpec& row) {
    opaque_ = row.opaque;
    CreateFromSpec(parent, row, nullptr, 0);
}

void PictureBox::Paint(HDC dc) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    if (!opaque_) PaintParentBackground(hwnd(), dc);
    if (painter) painter(dc, client);
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETCURSOR:
            SetCursor(LoadCursorA(nullptr, cursor));
            return TRUE;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            pressed_ = true;
            SetCapture(hwnd());
            return 0;
        case WM_LBUTTONUP: {
            // A click is a press and a release on the picture, as with a button.
            const bool wasPressed = pressed_;
            pressed_ = false;
            ReleaseCapture();
            RECT client{};
            GetClientRect(hwnd(), &client);
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (wasPressed && PtInRect(&client, at) && onClick) onClick();
            return 0;
        }
        case WM_CAPTURECHANGED:
            pressed_ = false;
            return 0;
        default:
            return DrawnControl::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace zevadar::window
