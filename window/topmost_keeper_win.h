// Keeps a window above all ordinary windows while switched on, re-asserting the state whenever
// the application loses activation or the window is shown again.
#pragma once

#include <windows.h>

namespace zevadar::window {

class TopmostKeeper {
public:
    bool TopMost() const { return topMost_; }
    // Takes effect at once when the window exists, else when it is created.
    void SetTopMost(bool topMost);

    void Attach(HWND window);
    // Called by the window after its own handling of each message.
    void AfterMessage(UINT message, WPARAM wParam);

private:
    void Apply() const;
    void BringToTopBand() const;

    HWND window_ = nullptr;
    bool topMost_ = false;
};

}  // namespace zevadar::window
