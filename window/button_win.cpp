#include "window/button_win.h"

namespace zevadar::window {

void Button::Create(HWND parent, const ControlSpec& row) {
    CreateFromSpec(parent, row, "BUTTON", BS_PUSHBUTTON);
}

void Button::OnCommand(WORD notification) {
    if (notification == BN_CLICKED && onClick) onClick();
}

}  // namespace zevadar::window
