// Launching for real: each Go image and the Run Dialog button of the running program start
// what they should, seen through the helper programs' logs and the dialog's window.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/e2e/driver_win.h"
#include "window/control_ids.h"

namespace zevadar::e2e {
namespace {

using namespace zevadar::window;
using testing::ElementsAre;
using testing::HasSubstr;

class Launching : public testing::Test {
protected:
    TempFolder folder_;
    const std::string recorder_ = folder_.Copy(BuiltFile("recorder.exe"), "recorder.exe");
    const std::string log_ = folder_.File("recorder.log");
};

TEST_F(Launching, CmdRunCommandRuns) {
    Zevadar zevadar(folder_, "[Run Commands]\ncmd /c echo marker>>\"" + log_ + "\"=Marker.\n");
    zevadar.Click(kImgGoRun);
    EXPECT_THAT(WaitForLines(log_, 1), ElementsAre("marker"));
}

TEST_F(Launching, RunCommandOpensThroughTheShell) {
    Zevadar zevadar(folder_, "[Run Commands]\n" + recorder_ + "=Recorder.\n");
    zevadar.Click(kImgGoRun);
    EXPECT_THAT(WaitForLines(log_, 1), ElementsAre(HasSubstr(recorder_)));
}

TEST_F(Launching, ConsoleOpensThroughItsFileType) {
    folder_.Write("console.msc", "");
    const ShellOpenCommand association("ZevadarTest.Console", "\"" + recorder_ + "\" \"%1\"",
                                       ".msc");
    Zevadar zevadar(folder_, "[Microsoft Management Consoles]\nconsole.msc=Console.\n");
    zevadar.Click(kImgGoMsc);
    EXPECT_THAT(WaitForLines(log_, 1), ElementsAre(HasSubstr("console.msc")));
}

TEST_F(Launching, ControlPanelAppletOpensThroughRundll32) {
    const std::string applet = folder_.Copy(BuiltFile("applet.cpl"), "applet.cpl");
    Zevadar zevadar(folder_, "[Windows Control Panels]\n" + applet + "=Applet.\n");
    zevadar.Click(kImgGoCpl);
    EXPECT_THAT(WaitForLines(folder_.File("applet.log"), 1),
                ElementsAre(testing::AllOf(HasSubstr("rundll32"), HasSubstr("Control_RunDLL"),
                                           HasSubstr(applet))));
}

struct ChildQuery {
    const char* text;
    HWND found;
};

BOOL CALLBACK MatchVisibleText(HWND child, LPARAM param) {
    auto& query = *reinterpret_cast<ChildQuery*>(param);
    char text[256] = {};
    GetWindowTextA(child, text, sizeof text);
    if (!IsWindowVisible(child) || std::string(text) != query.text) return TRUE;
    query.found = child;
    return FALSE;
}

TEST_F(Launching, RunDialogOpensOwnedByTheMainWindowTwice) {
    Zevadar zevadar(folder_, std::nullopt);
    for (int opening = 1; opening <= 2; ++opening) {
        SCOPED_TRACE("opening " + std::to_string(opening));
        zevadar.Click(kBtnRunDlg);
        HWND dialog = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (dialog = zevadar.FindDialog(kMainWindowCaption)); }))
            << "no Run dialog titled " << kMainWindowCaption;
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), zevadar.Window());
        ChildQuery description{"Manually enter or select a run command...", nullptr};
        EnumChildWindows(dialog, MatchVisibleText, reinterpret_cast<LPARAM>(&description));
        EXPECT_TRUE(description.found) << "the description is not shown";
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); })) << "the Run dialog stays open";
    }
    zevadar.Close(CloseWay::ExitButton);
    EXPECT_EQ(zevadar.WaitForExit(), 0u);
}

}  // namespace
}  // namespace zevadar::e2e
