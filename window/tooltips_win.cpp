#include "window/tooltips_win.h"

#include <commctrl.h>

namespace zevadar::window {

Tooltips::~Tooltips() {
    if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
}

void Tooltips::Create(HWND owner) {
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, 500);
    SendMessageA(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, 2500);
}

void Tooltips::Add(HWND control, const char* hint) {
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(hint);
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace zevadar::window
