// The base of every window of the program: one object per HWND, found again from the handle,
// with one virtual message handler. Windows of our own classes get their messages through the
// class's window procedure; standard controls (buttons, combo boxes) through a subclass.
#pragma once

#include <windows.h>

#include <string>

namespace zevadar::window {

struct WndCreateArgs {
    HWND parent = nullptr;
    const char* className = nullptr;  // a system class, or null for the program's own class
    const char* text = "";
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT bounds{};  // left, top, right, bottom in the parent's client coordinates
    int id = 0;
};

class Wnd {
public:
    Wnd() = default;
    Wnd(const Wnd&) = delete;
    Wnd& operator=(const Wnd&) = delete;
    virtual ~Wnd();

    HWND hwnd() const { return hwnd_; }

    // The object behind a window created by Create, or null.
    static Wnd* FromHandle(HWND hwnd);

    // Shows a failure that ended a message handler. Failures never cross into the system's
    // frames: every handler runs inside a catch that reports here, and the program goes on.
    using ErrorReporter = void (*)(const char* message);
    static void SetErrorReporter(ErrorReporter reporter);

protected:
    HWND Create(const WndCreateArgs& args);

    // Every message of the window; the default hands it to the class's own handling.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

    // A notification (WM_COMMAND code) that the parent reflected back to this control.
    virtual void OnCommand(WORD /*notification*/) {}

    // Forwards WM_COMMAND from a child to the child's own object; call from the parent's handler.
    static bool ReflectCommand(WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK ClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data);
    void Attach(HWND hwnd);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    bool subclassed_ = false;
};

// A window's text: a control's caption, or a markup label's markup.
std::string WindowText(HWND hwnd);

// Runs paint(dc) for WM_PAINT (between BeginPaint and EndPaint) or WM_PRINTCLIENT (on its DC).
template <typename Paint>
LRESULT PaintMessage(HWND hwnd, UINT message, WPARAM wParam, Paint&& paint) {
    if (message == WM_PRINTCLIENT) {
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
    }
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(hwnd, &ps);
    paint(dc);
    EndPaint(hwnd, &ps);
    return 0;
}

// Paints what the parent shows under a child, so a child can draw as if it were transparent.
void PaintParentBackground(HWND child, HDC dc);

}  // namespace zevadar::window
