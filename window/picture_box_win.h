// A picture on the window: drawn by a painter over what lies beneath it, clickable.
#pragma once

#include <functional>

#include "window/control_win.h"

namespace zevadar::window {

class PictureBox : public DrawnControl {
public:
    // Draws the picture into the control's client area; what lies beneath is already there.
    std::function<void(HDC dc, const RECT& client)> painter;
    std::function<void()> onClick;
    LPCSTR cursor = MAKEINTRESOURCEA(32512);  // IDC_ARROW

    void Create(HWND parent, const ControlSpec& row) override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;

    bool opaque_ = false;
    bool pressed_ = false;
};

}  // namespace zevadar::window
