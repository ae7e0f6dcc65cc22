#include "launch/actions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/launch/recording_shell.h"

namespace zevadar::launch {
namespace {

using ::testing::ElementsAre;

struct TrimCase {
    std::string listText;
    std::string launchText;
};

TEST(LaunchText, TrimsCodesUpTo32AtBothEndsOnly) {
    const TrimCase cases[] = {TrimCase{"notepad", "notepad"},
                              TrimCase{"  notepad\t ", "notepad"},
                              TrimCase{"\r\n\x01\x1F"
                                       "a  b\x7F",
                                       "a  b\x7F"},
                              TrimCase{std::string("\0x\0", 3), "x"},
                              TrimCase{"\xA0x\xFF", "\xA0x\xFF"},
                              TrimCase{" \x80 ", "\x80"},
                              TrimCase{" \t \n", ""},
                              TrimCase{"", ""}};
    for (const TrimCase& c : cases) EXPECT_EQ(LaunchText(c.listText), c.launchText) << c.listText;
}

TEST(OpenConsole, OpensTheTrimmedTextWithTheShell) {
    RecordingShell shell;
    OpenConsole(shell, "\tservices.msc  ");
    OpenConsole(shell, "");
    EXPECT_THAT(shell.calls,
                ElementsAre(R"(ShellExecuteA(null, "open", "services.msc", null, null, 1))",
                            R"(ShellExecuteA(null, "open", "", null, null, 1))"));
}

struct RouteCase {
    std::string listText;
    std::string call;
};

TEST(RunCommand, RoutesLowerCaseCmdToWinExecAndTheRestToTheShell) {
    const RouteCase cases[] = {
        RouteCase{"cmd", R"(WinExec("cmd", 1))"},
        RouteCase{"cmd /k ipconfig /all", R"(WinExec("cmd /k ipconfig /all", 1))"},
        RouteCase{"cmdx", R"(WinExec("cmdx", 1))"},
        RouteCase{"cmd.exe", R"(WinExec("cmd.exe", 1))"},
        RouteCase{"  \tcmd /c dir \r\n", R"(WinExec("cmd /c dir", 1))"},
        RouteCase{"CMD", R"(ShellExecuteA(null, "open", "CMD", null, null, 1))"},
        RouteCase{"Cmd /k", R"(ShellExecuteA(null, "open", "Cmd /k", null, null, 1))"},
        RouteCase{"cm", R"(ShellExecuteA(null, "open", "cm", null, null, 1))"},
        RouteCase{"c", R"(ShellExecuteA(null, "open", "c", null, null, 1))"},
        RouteCase{"", R"(ShellExecuteA(null, "open", "", null, null, 1))"},
        RouteCase{" \t ", R"(ShellExecuteA(null, "open", "", null, null, 1))"},
        RouteCase{"\xA0"
                  "cmd",
                  "ShellExecuteA(null, \"open\", \"\xA0"
                  "cmd\", null, null, 1)"},
        RouteCase{"notepad C:\\a b.txt\xA0",
                  "ShellExecuteA(null, \"open\", \"notepad C:\\a b.txt\xA0\", null, null, 1)"}};
    for (const RouteCase& c : cases) {
        RecordingShell shell;
        RunCommand(shell, c.listText);
        EXPECT_THAT(shell.calls, ElementsAre(c.call)) << c.listText;
    }
}

TEST(OpenControlPanel, StartsTheAppletThroughRundll32) {
    RecordingShell shell;
    ShellAppletLoader loader(shell);
    OpenControlPanel(loader, " main.cpl,@0,1\t");
    OpenControlPanel(loader, "");
    const std::string rundll = R"(ShellExecuteA(null, "open", "rundll32.exe", )";
    EXPECT_THAT(shell.calls,
                ElementsAre(rundll + R"("shell32.dll,Control_RunDLL main.cpl,@0,1", null, 1))",
                            rundll + R"("shell32.dll,Control_RunDLL ", null, 1))"));
}

}  // namespace
}  // namespace zevadar::launch
