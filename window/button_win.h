// A standard push button.
#pragma once

#include <functional>

#include "window/control_win.h"

namespace zevadar::window {

class Button : public Control {
public:
    std::function<void()> onClick;

    void Create(HWND parent, const ControlSpec& row) override;

private:
    void OnCommand(WORD notification) override;
};

}  // namespace zevadar::window
