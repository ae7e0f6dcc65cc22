// A child control of the main window, created from its row of the layout table.
#pragma once

#include <windows.h>

#include "window/handles_win.h"
#include "window/main_layout.h"
#include "window/wnd_win.h"

namespace zevadar::window {

class Control : public Wnd {
public:
    virtual void Create(HWND parent, const ControlSpec& row) = 0;

protected:
    // Creates the window at the row's place with the row's text and font.
    void CreateFromSpec(HWND parent, const ControlSpec& row, const char* className, DWORD style);

    HFONT font() const { return font_.get(); }

private:
    UniqueFont font_;
};

// A control of the program's own class that draws all of itself, without flicker.
class DrawnControl : public Control {
protected:
    virtual void Paint(HDC dc) = 0;
    // Paints; hands every other message to the default handling.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

UniqueFont CreateFontFromSpec(const FontSpec& fontSpec);

}  // namespace zevadar::window
