// The base window class under Wine: failures stop at the message boundary, and a child's
// notifications reach the child's own object.
#include "window/wnd_win.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "window/button_win.h"

namespace zevadar::window {
namespace {

std::string reported;

class TestWindow : public Wnd {
public:
    void Create() {
        WndCreateArgs args;
        args.style = WS_OVERLAPPEDWINDOW;
        args.bounds = {0, 0, 200, 100};
        Wnd::Create(args);
    }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) throw std::runtime_error("Unable to insert a line");
        if (message == WM_APP + 1) return 42;
        if (message == WM_COMMAND && ReflectCommand(wParam, lParam)) return 0;
        return DefaultHandling(message, wParam, lParam);
    }
};

class WndTest : public ::testing::Test {
protected:
    void SetUp() override {
        reported.clear();
        Wnd::SetErrorReporter([](const char* message) { reported = message; });
        window.Create();
    }
    void TearDown() override { Wnd::SetErrorReporter(nullptr); }

    TestWindow window;
};

TEST_F(WndTest, AFailureInAHandlerIsReportedAndTheWindowGoesOn) {
    ASSERT_TRUE(IsWindow(window.hwnd()));
    SendMessageA(window.hwnd(), WM_APP, 0, 0);
    EXPECT_EQ(reported, "Unable to insert a line");
    EXPECT_EQ(SendMessageA(window.hwnd(), WM_APP + 1, 0, 0), 42);
    EXPECT_EQ(Wnd::FromHandle(window.hwnd()), &window);
}

TEST_F(WndTest, AChildsNotificationReachesItsOwnObject) {
    Button button;
    int clicks = 0;
    button.onClick = [&clicks] { ++clicks; };
    button.Create(window.hwnd(),
                  {kBtnExit, Kind::Button, 10, 10, 80, 25, "Exit", {}, true, 0, nullptr});
    SendMessageA(button.hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(WndTest, TheObjectIsForgottenWhenItsWindowIsDestroyed) {
    HWND hwnd = window.hwnd();
    DestroyWindow(hwnd);
    EXPECT_EQ(window.hwnd(), nullptr);
    EXPECT_EQ(Wnd::FromHandle(hwnd), nullptr);
}

}  // namespace
}  // namespace zevadar::window
