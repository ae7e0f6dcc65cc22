#include "launch/dialogs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "tests/launch/recording_shell.h"

namespace zevadar::launch {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const WindowHandle kParent = FakeHandle(0x100);
const WindowHandle kApplicationWindow = FakeHandle(0x200);
const WindowHandle kFormWindow = FakeHandle(0x300);

// The form's owner windows, counting how often the form's window is asked for.
class DialogTest : public ::testing::Test {
protected:
    OwnerWindows Owners() {
        return {.application = [] { return kApplicationWindow; },
                .ownerForm =
                    [this] {
                        ++formWindowRequests_;
                        return kFormWindow;
                    }};
    }

    RecordingShell shell_;
    int formWindowRequests_ = 0;
};

struct OwnerCase {
    std::string name;
    OwnerHandle ownerHandle;
    WindowHandle parent;
    WindowHandle owner;
    int formWindowRequests;
};

void PrintTo(const OwnerCase& ownerCase, std::ostream* out) {
    *out << ownerCase.name;
}

class OwnerRuleTest : public DialogTest, public ::testing::WithParamInterface<OwnerCase> {};

TEST_P(OwnerRuleTest, ParentFirstThenTheOwnerSetting) {
    ShellAppletLoader loader(shell_, Owners());
    loader.ownerHandle = GetParam().ownerHandle;
    loader.Execute(GetParam().parent);
    RecordingShell expected;
    expected.ShellExecuteA(GetParam().owner, "open", "rundll32.exe", "shell32.dll,Control_RunDLL ",
                           nullptr, 1);
    EXPECT_EQ(shell_.calls, expected.calls);
    EXPECT_EQ(formWindowRequests_, GetParam().formWindowRequests);
}

INSTANTIATE_TEST_SUITE_P(
    Owners, OwnerRuleTest,
    ::testing::Values(
        OwnerCase{"None", OwnerHandle::pwNone, nullptr, nullptr, 0},
        OwnerCase{"Application", OwnerHandle::pwApplication, nullptr, kApplicationWindow, 0},
        OwnerCase{"OwnerForm", OwnerHandle::pwOwnerForm, nullptr, kFormWindow, 1},
        OwnerCase{"ParentOverNone", OwnerHandle::pwNone, kParent, kParent, 0},
        OwnerCase{"ParentOverOwnerForm", OwnerHandle::pwOwnerForm, kParent, kParent, 0}),
    [](const ::testing::TestParamInfo<OwnerCase>& owner) { return owner.param.name; });

TEST_F(DialogTest, WithoutTheFormsWindowsThereIsNoOwner) {
    ShellAppletLoader loader(shell_);
    for (const OwnerHandle ownerHandle : {OwnerHandle::pwApplication, OwnerHandle::pwOwnerForm}) {
        loader.ownerHandle = ownerHandle;
        loader.Execute();
    }
    EXPECT_THAT(shell_.calls, ElementsAre(::testing::StartsWith("ShellExecuteA(null,"),
                                          ::testing::StartsWith("ShellExecuteA(null,")));
}

TEST_F(DialogTest, AppletLoaderDefaultsAndReport) {
    ShellAppletLoader loader(shell_, Owners());
    EXPECT_EQ(loader.ownerHandle, OwnerHandle::pwNone);
    EXPECT_EQ(loader.applet, ShellCpl::cplCustomCPL);
    // Success is a result above 32 taken as unsigned, so negative results count as success.
    for (const auto& [result, success] : {std::pair<std::intptr_t, bool>{42, true},
                                          {33, true},
                                          {32, false},
                                          {2, false},
                                          {0, false},
                                          {-1, true}}) {
        shell_.shellExecuteResult = result;
        EXPECT_EQ(loader.Execute(), success) << result;
    }
}

TEST_F(DialogTest, RunDialogLoadsCallsAndFreesShell32) {
    ShellRunFileDialog dialog(shell_, Owners());
    dialog.Execute();
    EXPECT_THAT(shell_.calls,
                ElementsAre(R"(LoadLibraryA("shell32.dll"))", "GetProcAddress(20480, 61)",
                            "CallRunDialog(found, 768, null, \"\", \"Duzuze - Zevadar\", "
                            "\"Manually enter or select a run command...\", 0)",
                            "FreeLibrary(20480)"));
}

TEST_F(DialogTest, RunDialogOpenedTwiceLoadsAndFreesTwice) {
    ShellRunFileDialog dialog(shell_, Owners());
    dialog.Execute();
    const std::vector<std::string> once = shell_.calls;
    dialog.Execute();
    ASSERT_EQ(shell_.calls.size(), 2 * once.size());
    EXPECT_TRUE(std::equal(once.begin(), once.end(), shell_.calls.begin() + 4));
}

TEST_F(DialogTest, RunDialogWithoutShell32DoesNothingMore) {
    shell_.library = nullptr;
    ShellRunFileDialog dialog(shell_, Owners());
    dialog.Execute();
    EXPECT_THAT(shell_.calls, ElementsAre(R"(LoadLibraryA("shell32.dll"))"));
    EXPECT_EQ(formWindowRequests_, 0);
}

TEST_F(DialogTest, RunDialogWithoutTheExportFreesTheLibrary) {
    shell_.runDialog = nullptr;
    ShellRunFileDialog dialog(shell_, Owners());
    dialog.Execute();
    EXPECT_THAT(shell_.calls, ElementsAre(R"(LoadLibraryA("shell32.dll"))",
                                          "GetProcAddress(20480, 61)", "FreeLibrary(20480)"));
}

TEST_F(DialogTest, RunDialogThatThrowsStillFreesTheLibrary) {
    shell_.runDialogThrows = true;
    ShellRunFileDialog dialog(shell_, Owners());
    EXPECT_THROW(dialog.Execute(), std::runtime_error);
    ASSERT_EQ(shell_.calls.size(), 4u);
    EXPECT_EQ(shell_.calls.back(), "FreeLibrary(20480)");
}

TEST_F(DialogTest, RunDialogPassesItsSettings) {
    ShellRunFileDialog dialog(shell_, Owners());
    dialog.caption = "";
    dialog.workingPath = "C:\\Work";
    dialog.icon = FakeHandle(0x42);
    dialog.options = {ShellRunFileOption::rfNoBrowseButton, ShellRunFileOption::rfNoEditLabel,
                      ShellRunFileOption::rfNoSeparateMemory};
    dialog.Execute(kParent);
    EXPECT_EQ(shell_.calls.at(2),
              "CallRunDialog(found, 256, 66, \"C:\\Work\", \"\", "
              "\"Manually enter or select a run command...\", 41)");
}

TEST(ShellRunFileDialogFlags, EachOptionSetsItsOwnBit) {
    RecordingShell shell;
    ShellRunFileDialog dialog(shell);
    EXPECT_EQ(dialog.Flags(), 0u);
    for (const auto& [option, bit] : {std::pair{ShellRunFileOption::rfNoBrowseButton, 1u},
                                      {ShellRunFileOption::rfNoDefaultPick, 2u},
                                      {ShellRunFileOption::rfCalculateWorkPath, 4u},
                                      {ShellRunFileOption::rfNoEditLabel, 8u},
                                      {ShellRunFileOption::rfNoSeparateMemory, 32u}}) {
        dialog.options = {option};
        EXPECT_EQ(dialog.Flags(), bit);
    }
    EXPECT_THAT(shell.calls, IsEmpty());
}

}  // namespace
}  // namespace zevadar::launch
