#include "launch/shell_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace zevadar::launch {
namespace {

// What a stand-in for the shell's Run dialog export received.
struct RunDialogArguments {
    HWND owner = nullptr;
    HICON icon = nullptr;
    const wchar_t* workingDirectory = nullptr;
    std::wstring directory, title, description;
    UINT flags = 0;
    int calls = 0;
};
RunDialogArguments received;

void WINAPI RecordRunDialog(HWND owner, HICON icon, LPCWSTR workingDirectory, LPCWSTR title,
                            LPCWSTR description, UINT flags) {
    received = {owner,       icon,  workingDirectory,  workingDirectory, title,
                description, flags, received.calls + 1};
}

ProcAddress StandIn() {
    return reinterpret_cast<ProcAddress>(RecordRunDialog);
}

TEST(WindowsShell, CallsTheRunDialogWithWideStrings) {
    received = {};
    WindowsShell shell;
    const WindowHandle owner = reinterpret_cast<WindowHandle>(0x1234);
    const IconHandle icon = reinterpret_cast<IconHandle>(0x5678);
    shell.CallRunDialog(StandIn(), owner, icon, "", "Duzuze - Zevadar",
                        "Manually enter or select a run command...", 41);
    EXPECT_EQ(received.calls, 1);
    EXPECT_EQ(received.owner, owner);
    EXPECT_EQ(received.icon, icon);
    ASSERT_NE(received.workingDirectory, nullptr);  // an empty string, never null
    EXPECT_EQ(received.directory, L"");
    EXPECT_EQ(received.title, L"Duzuze - Zevadar");
    EXPECT_EQ(received.description, L"Manually enter or select a run command...");
    EXPECT_EQ(received.flags, 41u);
}

TEST(WindowsShell, ConvertsFromTheAnsiCodePage) {
    if (GetACP() != 1252) GTEST_SKIP() << "needs the Western ANSI code page";
    received = {};
    WindowsShell shell;
    shell.CallRunDialog(StandIn(), nullptr, nullptr, "C:\\Caf\xE9", "\x80", "", 0);
    EXPECT_EQ(received.directory, L"C:\\Caf\u00E9");
    EXPECT_EQ(received.title, L"\u20AC");
    EXPECT_EQ(received.description, L"");
}

TEST(WindowsShell, FindsTheRunDialogExportOfShell32) {
    WindowsShell shell;
    const ModuleHandle shell32 = shell.LoadLibraryA("shell32.dll");
    ASSERT_NE(shell32, nullptr);
    EXPECT_NE(shell.GetProcAddress(shell32, 61), nullptr);
    EXPECT_EQ(shell.GetProcAddress(shell32, 65000), nullptr);
    shell.FreeLibrary(shell32);
    EXPECT_EQ(shell.LoadLibraryA("zevadar-missing.dll"), nullptr);
}

TEST(WindowsShell, ReportsFailuresToStart) {
    WindowsShell shell;
    EXPECT_LE(shell.WinExec("zevadar-missing-program.exe", SW_SHOWNORMAL), 32u);
    const std::intptr_t result = shell.ShellExecuteA(nullptr, "open", "C:\\zevadar\\missing.msc",
                                                     nullptr, nullptr, SW_SHOWNORMAL);
    EXPECT_LE(result, 32);
}

}  // namespace
}  // namespace zevadar::launch
