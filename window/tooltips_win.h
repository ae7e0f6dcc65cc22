// The hints of the window: the system's tooltips, shown after the pointer rests 500 ms and
// hidden after 2500 ms.
#pragma once

#include <windows.h>

namespace zevadar::window {

class Tooltips {
public:
    Tooltips() = default;
    Tooltips(const Tooltips&) = delete;
    Tooltips& operator=(const Tooltips&) = delete;
    ~Tooltips();

    void Create(HWND owner);
    void Add(HWND control, const char* hint);

private:
    HWND tooltip_ = nullptr;
};

}  // namespace zevadar::window
