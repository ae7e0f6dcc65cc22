#include "window/label_win.h"

#include <string>

#include "window/markup/gdi_painter_win.h"

namespace zevadar::window {
void Label::Create(HWND parent, const ControlSpec& row) {
    colour_ = markup::ToColorRef(row.font.colour);
    CreateFromSpec(parent, row, nullptr, 0);
    FitWidthToText();
}

void Label::SetCaption(std::string_view caption) {
    SetWindowTextA(hwnd(), std::string(caption).c_str());
}

void Label::FitWidthToText() {
    const std::string text = WindowText(hwnd());
    WindowDc dc(hwnd());
    ScopedSelect selectFont(dc.get(), font());
    SIZE extent{};
    GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    RECT rect{};
    GetClientRect(hwnd(), &rect);
    SetWindowPos(hwnd(), nullptr, 0, 0, extent.cx, rect.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Label::Paint(HDC dc) {
    RECT rect{};
    GetClientRect(hwnd(), &rect);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ScopedSelect selectFont(dc, font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour_);
    const std::string text = WindowText(hwnd());
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
}

LRESULT Label::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETTEXT: {
            const LRESULT result = DefaultHandling(message, wParam, lParam);
            FitWidthToText();
            InvalidateRect(hwnd(), nullptr, TRUE);
            return result;
        }
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        default:
            return DrawnControl::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace zevadar::window
