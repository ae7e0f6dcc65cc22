#include "window/drop_down_list_win.h"

#include <stdexcept>

namespace zevadar::window {
namespace {

constexpr int kVisibleRows = 15;
constexpr int kItemHeight = 13;

// Type-ahead ignores case by the rules of the ANSI code page, not only for A to Z.
char AnsiLower(char c) {
    CharLowerBuffA(&c, 1);
    return c;
}

}  // namespace

DropDownList::DropDownList() : typeAhead_(AnsiLower) {}

void DropDownList::Create(HWND parent, const ControlSpec& row) {
    // A combo box's window height is its dropped height; the closed box sizes itself.
    ControlSpec dropped = row;
    dropped.height = row.height + kVisibleRows * kItemHeight + 2;
    CreateFromSpec(parent, dropped, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL);
    SendMessageA(hwnd(), CB_SETITEMHEIGHT, 0, kItemHeight);
}

void DropDownList::SetItems(const std::vector<std::string>& items) {
    SendMessageA(hwnd(), WM_SETREDRAW, FALSE, 0);
    SendMessageA(hwnd(), CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
        const LRESULT index =
            SendMessageA(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        if (index == CB_ERR || index == CB_ERRSPACE) {
            SendMessageA(hwnd(), WM_SETREDRAW, TRUE, 0);
            throw std::runtime_error("Unable to insert a line");
        }
    }
    SendMessageA(hwnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd(), nullptr, TRUE);
    items_ = items;
}

std::optional<std::size_t> DropDownList::SelectedIndex() const {
    const LRESULT index = SendMessageA(hwnd(), CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return std::nullopt;
    return static_cast<std::size_t>(index);
}

int DropDownList::Count() const {
    return static_cast<int>(SendMessageA(hwnd(), CB_GETCOUNT, 0, 0));
}

void DropDownList::SetItemIndex(int index) {
    if (SendMessageA(hwnd(), CB_GETCURSEL, 0, 0) != index)
        SendMessageA(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string DropDownList::Text() const {
    const LRESULT index = SendMessageA(hwnd(), CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return {};
    const LRESULT length = SendMessageA(hwnd(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(hwnd(), CB_GETLBTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
    return text;
}

LRESULT DropDownList::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Some combo boxes keep every system key for themselves; Alt+F4 must still close the window,
    // and the default handling of a child passes it to the top-level window.
    if (message == WM_SYSKEYDOWN && wParam == VK_F4)
        return DefWindowProcA(hwnd(), message, wParam, lParam);
    if (message != WM_CHAR) return DefaultHandling(message, wParam, lParam);
    const TypeAheadAction action =
        typeAhead_.OnChar(static_cast<char>(wParam), static_cast<std::uint32_t>(GetMessageTime()),
                          items_, SelectedIndex());
    // Without a match the combo box's own first-letter search takes the key.
    if (action.passOn) return DefaultHandling(message, wParam, lParam);
    if (action.select) {
        SendMessageA(hwnd(), CB_SETCURSEL, *action.select, 0);
        if (onChange) onChange();
    }
    return 0;
}

void DropDownList::OnCommand(WORD notification) {
    if (notification == CBN_SELCHANGE && onChange) onChange();
}

}  // namespace zevadar::window
