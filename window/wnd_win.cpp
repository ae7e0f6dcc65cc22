#include "window/wnd_win.h"

#include <commctrl.h>

#include <exception>

namespace zevadar::window {
namespace {

constexpr char kClassName[] = "ZevadarWnd";
constexpr char kObjectProperty[] = "ZevadarWnd.Object";
constexpr UINT_PTR kSubclassId = 1;

Wnd::ErrorReporter errorReporter = nullptr;

void Report(const char* message) {
    if (errorReporter) errorReporter(message);
}

void RegisterOwnClass(WNDPROC proc) {
    static const ATOM atom = [proc] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
        wc.lpszClassName = kClassName;
        return RegisterClassExA(&wc);
    }();
    (void)atom;
}

}  // namespace

Wnd::~Wnd() {
    if (hwnd_ && IsWindow(hwnd_)) {
        if (subclassed_) RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
        RemovePropA(hwnd_, kObjectProperty);
        DestroyWindow(hwnd_);
    }
}

Wnd* Wnd::FromHandle(HWND hwnd) {
    return static_cast<Wnd*>(GetPropA(hwnd, kObjectProperty));
}

HWND Wnd::Create(const WndCreateArgs& args) {
    const bool ownClass = args.className == nullptr;
    if (ownClass) RegisterOwnClass(ClassProc);
    const RECT& b = args.bounds;
    // The object is attached before the first message of its own class (WM_NCCREATE carries it).
    HWND hwnd = CreateWindowExA(args.exStyle, ownClass ? kClassName : args.className, args.text,
                                args.style, b.left, b.top, b.right - b.left, b.bottom - b.top,
                                args.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
                                GetModuleHandleA(nullptr), ownClass ? this : nullptr);
    if (hwnd && !ownClass) {
        Attach(hwnd);
        subclassed_ = SetWindowSubclass(hwnd, SubclassProc, kSubclassId, 0) != FALSE;
    }
    return hwnd;
}

void Wnd::Attach(HWND hwnd) {
    hwnd_ = hwnd;
    SetPropA(hwnd, kObjectProperty, this);
}

LRESULT Wnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(message, wParam, lParam);
}

LRESULT Wnd::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return subclassed_ ? DefSubclassProc(hwnd_, message, wParam, lParam)
                       : DefWindowProcA(hwnd_, message, wParam, lParam);
}

void Wnd::SetErrorReporter(ErrorReporter reporter) {
    errorReporter = reporter;
}

LRESULT Wnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    try {
        result = HandleMessage(message, wParam, lParam);
    } catch (const std::exception& failure) {
        Report(failure.what());
    } catch (...) {
        Report("Unknown failure");
    }
    if (message == WM_NCDESTROY) {
        if (subclassed_) RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
        RemovePropA(hwnd_, kObjectProperty);
        hwnd_ = nullptr;
    }
    return result;
}

bool Wnd::ReflectCommand(WPARAM wParam, LPARAM lParam) {
    HWND child = reinterpret_cast<HWND>(lParam);
    Wnd* control = child ? FromHandle(child) : nullptr;
    if (!control) return false;
    control->OnCommand(HIWORD(wParam));
    return true;
}

LRESULT CALLBACK Wnd::ClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        static_cast<Wnd*>(create->lpCreateParams)->Attach(hwnd);
    }
    if (Wnd* self = FromHandle(hwnd)) return self->Dispatch(message, wParam, lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Wnd::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR /*id*/, DWORD_PTR /*data*/) {
    if (Wnd* self = FromHandle(hwnd)) return self->Dispatch(message, wParam, lParam);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void PaintParentBackground(HWND child, HDC dc) {
    HWND parent = GetParent(child);
    POINT origin{0, 0};
    MapWindowPoints(child, parent, &origin, 1);
    POINT old{};
    OffsetViewportOrgEx(dc, -origin.x, -origin.y, &old);
    SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

std::string WindowText(HWND hwnd) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(
        static_cast<size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace zevadar::window
