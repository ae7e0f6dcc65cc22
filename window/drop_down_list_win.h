// A drop-down list (a combo box the user can only pick from). Setting the selection from code
// raises no change; every change the user makes does, typing the start of an entry included.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "window/control_win.h"
#include "window/type_ahead.h"

namespace zevadar::window {

class DropDownList : public Control {
public:
    std::function<void()> onChange;

    DropDownList();
    void Create(HWND parent, const ControlSpec& row) override;

    // Replaces all entries; throws std::runtime_error when the list refuses one.
    void SetItems(const std::vector<std::string>& items);
    int Count() const;
    void SetItemIndex(int index);
    // The selected entry's text, or empty when nothing is selected.
    std::string Text() const;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WORD notification) override;
    std::optional<std::size_t> SelectedIndex() const;

    std::vector<std::string> items_;
    TypeAhead typeAhead_;
};

}  // namespace zevadar::window
