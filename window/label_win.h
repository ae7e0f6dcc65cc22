// A one-line caption on the window colour that widens to the right to fit its text.
#pragma once

#include <string_view>

#include "window/control_win.h"

namespace zevadar::window {

class Label : public DrawnControl {
public:
    void Create(HWND parent, const ControlSpec& row) override;
    void SetCaption(std::string_view caption);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void FitWidthToText();
    void Paint(HDC dc) override;

    COLORREF colour_ = 0;
};

}  // namespace zevadar::window
