#include "window/markup_label_win.h"

#include <shellapi.h>
#include <windowsx.h>

#include "window/handles_win.h"
#include "window/markup/gdi_painter_win.h"

namespace zevadar::window {

void OpenWithShell(const std::string& target) {
    ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void MarkupLabel::Create(HWND parent, const ControlSpec& row) {
    MarkupLabelCreateArgs args;
    args.parent = parent;
    args.id = row.id;
    args.bounds = {row.left, row.top, row.left + row.width, row.top + row.height};
    args.markup = row.text;
    args.font = {.face = row.font.face, .height = row.font.height, .bold = row.font.bold};
    args.color = row.font.colour;
    args.opaque = row.opaque;
    Create(args);
}

HWND MarkupLabel::Create(const MarkupLabelCreateArgs& args) {
    options_.baseFont = args.font;
    options_.baseColor = args.color;
    options_.urlColor = args.urlColor;
    options_.shadowColor = args.shadowColor;
    options_.shadowOffset = args.shadowOffset;
    opaque_ = args.opaque;
    openLink_ = args.openLink;
    markup_ = args.markup;
    WndCreateArgs create;
    create.parent = args.parent;
    create.text = markup_.c_str();
    create.style = WS_CHILD | WS_VISIBLE;
    create.bounds = args.bounds;
    create.id = args.id;
    return Wnd::Create(create);
}

void MarkupLabel::SetMarkup(std::string_view markup) {
    SetWindowTextA(hwnd(), std::string(markup).c_str());
}

LRESULT MarkupLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETTEXT: {
            const LRESULT result = DefaultHandling(message, wParam, lParam);
            const char* text = reinterpret_cast<const char*>(lParam);
            markup_ = text ? text : "";
            laidOut_ = false;
            OnChanged();
            InvalidateRect(hwnd(), nullptr, FALSE);
            return result;
        }
        case WM_SIZE:
            laidOut_ = false;
            OnChanged();
            InvalidateRect(hwnd(), nullptr, FALSE);
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && SetCursorForLink()) return TRUE;
            break;
        // Every press counts, the second press of a double click too.
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            Press(lParam);
            return 0;
        default:
            break;
    }
    return DrawnControl::HandleMessage(message, wParam, lParam);
}

// Drawn off screen and copied in one go, so the label never flickers through its background.
void MarkupLabel::Paint(HDC target) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int width = client.right;
    const int height = client.bottom;
    if (width <= 0 || height <= 0) return;
    const UniqueMemoryDc dc(CreateCompatibleDC(target));
    const UniqueBitmap bitmap(CreateCompatibleBitmap(target, width, height));
    if (!dc || !bitmap) return;
    ScopedSelect select(dc.get(), bitmap.get());
    Render(dc.get(), width, height);
    BitBlt(target, 0, 0, width, height, dc.get(), 0, 0, SRCCOPY);
}

void MarkupLabel::Render(HDC dc, int width, int height) {
    PaintBackground(dc, width, height);
    PaintText(dc, width, height);
}

void MarkupLabel::PaintBackground(HDC dc, int width, int height) {
    if (opaque_) {
        const RECT r{0, 0, width, height};
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    } else {
        PaintParentBackground(hwnd(), dc);
    }
}

void MarkupLabel::PaintText(HDC dc, int width, int height) {
    LayOut(width, height);
    markup::PaintDisplayList(dc, list_, measurer_);
}

void MarkupLabel::LayOut(int width, int height) {
    options_.width = width;
    options_.height = height;
    list_ = markup::Layout(markup_, options_, measurer_);
    laidOut_ = true;
}

const markup::LinkBox* MarkupLabel::LinkAt(POINT client) {
    if (!laidOut_) {
        RECT r{};
        GetClientRect(hwnd(), &r);
        LayOut(r.right, r.bottom);
    }
    return markup::HitTest(list_, client.x, client.y);
}

bool MarkupLabel::SetCursorForLink() {
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(hwnd(), &point);
    const markup::LinkBox* link = LinkAt(point);
    if (!link || link->target.empty()) return false;
    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)));  // IDC_HAND
    return true;
}

void MarkupLabel::Press(LPARAM position) {
    const markup::LinkBox* link = LinkAt({GET_X_LPARAM(position), GET_Y_LPARAM(position)});
    if (link && markup::IsShellTarget(link->target) && openLink_) openLink_(link->target);
}

}  // namespace zevadar::window
