#include "window/office_check_box_win.h"

#include <windowsx.h>

#include <string>

#include "window/markup/gdi_painter_win.h"

namespace zevadar::window {
namespace {

constexpr int kBoxSize = 13;
constexpr int kBoxTop = 4;
constexpr int kCaptionLeft = 16;

void DrawGlyph(HDC dc, bool checked, bool hot, bool pressed) {
    const RECT box{0, kBoxTop, kBoxSize, kBoxTop + kBoxSize};
    const COLORREF fill = pressed ? RGB(0xFB, 0xD7, 0x8C)
                          : hot   ? RGB(0xFF, 0xEF, 0xBF)
                                  : RGB(0xFF, 0xFF, 0xFF);
    UniqueBrush fillBrush(CreateSolidBrush(fill));
    FillRect(dc, &box, fillBrush.get());
    UniqueBrush frameBrush(CreateSolidBrush(RGB(0x1E, 0x32, 0x62)));
    FrameRect(dc, &box, frameBrush.get());
    if (!checked) return;
    UniquePen tick(CreatePen(PS_SOLID, 2, RGB(0x1E, 0x32, 0x62)));
    ScopedSelect selectPen(dc, tick.get());
    const POINT points[] = {{3, kBoxTop + 6}, {5, kBoxTop + 9}, {10, kBoxTop + 3}};
    Polyline(dc, points, 3);
}

}  // namespace

void OfficeCheckBox::Create(HWND parent, const ControlSpec& row) {
    colour_ = markup::ToColorRef(row.font.colour);
    CreateFromSpec(parent, row, nullptr, 0);
}

void OfficeCheckBox::Paint(HDC dc) {
    PaintParentBackground(hwnd(), dc);
    DrawGlyph(dc, checked_, hot_, pressed_);
    const std::string caption = WindowText(hwnd());
    ScopedSelect selectFont(dc, font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour_);
    RECT client{};
    GetClientRect(hwnd(), &client);
    RECT text{kCaptionLeft, kBoxTop, client.right, client.bottom};
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_SINGLELINE | DT_NOPREFIX);
    if (GetFocus() == hwnd()) {
        InflateRect(&text, 1, 1);
        DrawFocusRect(dc, &text);
    }
}

void OfficeCheckBox::Press(bool pressed) {
    if (pressed_ == pressed) return;
    pressed_ = pressed;
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void OfficeCheckBox::Toggle() {
    checked_ = !checked_;
    InvalidateRect(hwnd(), nullptr, FALSE);
    if (onClick) onClick();
}

LRESULT OfficeCheckBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case BM_GETCHECK:
            return checked_ ? BST_CHECKED : BST_UNCHECKED;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(hwnd(), nullptr, FALSE);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            SetFocus(hwnd());
            SetCapture(hwnd());
            pressedButton_ = message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK ? WM_LBUTTONUP
                             : message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK
                                 ? WM_RBUTTONUP
                                 : WM_MBUTTONUP;
            Press(true);
            return 0;
        case WM_MOUSEMOVE: {
            RECT client{};
            GetClientRect(hwnd(), &client);
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            const bool inside = PtInRect(&client, at) != FALSE;
            if (!hot_) {
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
                TrackMouseEvent(&track);
            }
            hot_ = inside;
            Press(pressedButton_ != 0 && inside);
            return 0;
        }
        case WM_MOUSELEAVE:
            hot_ = false;
            InvalidateRect(hwnd(), nullptr, FALSE);
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            if (message != pressedButton_) return 0;
            pressedButton_ = 0;
            ReleaseCapture();
            Press(false);
            // Released over the box, edges included: the right and bottom edge count too.
            RECT client{};
            GetClientRect(hwnd(), &client);
            const int x = GET_X_LPARAM(lParam);
            const int y = GET_Y_LPARAM(lParam);
            if (x >= 0 && y >= 0 && x <= client.right && y <= client.bottom) Toggle();
            return 0;
        }
        case WM_CAPTURECHANGED:
            pressedButton_ = 0;
            Press(false);
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE && (lParam & 0x40000000) == 0) Press(true);
            return 0;
        case WM_KEYUP:
            if (wParam == VK_SPACE && pressed_) {
                Press(false);
                Toggle();
            }
            return 0;
        default:
            return DrawnControl::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace zevadar::window
