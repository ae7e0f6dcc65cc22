// A check box drawn over the window's background: a 13 x 13 box left of a plain caption. It flips
// when a mouse button is released over it or Space is released, and then reports the click.
#pragma once

#include <functional>

#include "window/control_win.h"

namespace zevadar::window {

class OfficeCheckBox : public DrawnControl {
public:
    std::function<void()> onClick;

    void Create(HWND parent, const ControlSpec& row) override;
    bool Checked() const { return checked_; }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;
    void Press(bool pressed);
    void Toggle();

    COLORREF colour_ = 0;
    bool checked_ = false;
    bool pressed_ = false;
    bool hot_ = false;
    UINT pressedButton_ = 0;  // the button-up message that ends the current press
};

}  // namespace zevadar::window
