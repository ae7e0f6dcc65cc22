#include "window/control_win.h"

namespace zevadar::window {

UniqueFont CreateFontFromSpec(const FontSpec& fontSpec) {
    return UniqueFont(CreateFontA(fontSpec.height, 0, 0, 0, fontSpec.bold ? FW_BOLD : FW_NORMAL,
                                  FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                                  fontSpec.face));
}

void Control::CreateFromSpec(HWND parent, const ControlSpec& row, const char* className,
                             DWORD style) {
    font_ = CreateFontFromSpec(row.font);
    WndCreateArgs args;
    args.parent = parent;
    args.className = className;
    args.text = row.text;
    args.style =
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style | (row.tabOrder >= 0 ? WS_TABSTOP : 0);
    args.bounds = {row.left, row.top, row.left + row.width, row.top + row.height};
    args.id = row.id;
    Wnd::Create(args);
    SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

LRESULT DrawnControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // Paint covers every pixel
        case WM_PAINT:
        case WM_PRINTCLIENT:
            return PaintMessage(hwnd(), message, wParam, [this](HDC dc) { Paint(dc); });
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}

}  // namespace zevadar::window
