// Changing the selection in the running program: notes follow every change, and with "Execute
// On Selecting" ticked each change starts the newly selected entry, never otherwise.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/e2e/driver_win.h"
#include "window/control_ids.h"

namespace zevadar::e2e {
namespace {

using namespace zevadar::window;
using testing::ElementsAre;
using testing::HasSubstr;

constexpr char kPrefix[] = "<b>Note:</b> ";

class Selection : public testing::Test {
protected:
    // Five run commands, each leaving its own line in the recorder's log: the third through
    // the shell, the others through cmd.
    std::string FiveRunCommands() const {
        std::string catalogue = "[Run Commands]\n";
        for (const char* word : {"first", "second", "third", "fourth", "fifth"}) {
            const std::string command =
                std::string(word) == "third"
                    ? recorder_
                    : "cmd /c echo " + std::string(word) + ">>\"" + log_ + "\"";
            catalogue += command + "=Starts the " + word + " entry.\n";
        }
        return catalogue;
    }

    // Presses Down on the run-command list once for each entry from FIRST to LAST (counted
    // from 0) and waits for it to be selected.
    [[nodiscard]] static bool WalkDown(const Zevadar& zevadar, int first, int last) {
        for (int entry = first; entry <= last; ++entry) {
            zevadar.PressKey(kCmbRun, VK_DOWN);
            if (!WaitFor([&] { return zevadar.Selection(kCmbRun) == entry; })) {
                ADD_FAILURE() << "Down did not select entry " << entry;
                return false;
            }
        }
        return true;
    }

    TempFolder folder_;
    const std::string recorder_ = folder_.Copy(BuiltFile("recorder.exe"), "recorder.exe");
    const std::string log_ = folder_.File("recorder.log");
};

TEST_F(Selection, ExecuteOnSelectingStartsEachNewEntryAfterItsNote) {
    Zevadar zevadar(folder_, FiveRunCommands());
    zevadar.Click(kCbExeOnSelect);
    ASSERT_TRUE(WaitFor([&] { return zevadar.Checked(kCbExeOnSelect); }))
        << "a click does not tick Execute On Selecting";

    struct Start {
        const char* word;
        testing::Matcher<std::string> logLine;
    };
    const Start starts[] = {{"second", "second"},
                            {"third", HasSubstr(recorder_)},
                            {"fourth", "fourth"},
                            {"fifth", "fifth"}};
    for (size_t i = 0; i < std::size(starts); ++i) {
        SCOPED_TRACE(starts[i].word);
        zevadar.PressKey(kCmbRun, VK_DOWN);
        const std::vector<std::string> lines = WaitForLines(log_, i + 1);
        ASSERT_EQ(lines.size(), i + 1) << "not one start for one key press";
        EXPECT_THAT(lines.back(), starts[i].logLine);
        EXPECT_EQ(zevadar.Selection(kCmbRun), static_cast<int>(i + 1));
        EXPECT_EQ(zevadar.Text(kLbNoteRun),
                  kPrefix + std::string("Starts the ") + starts[i].word + " entry.");
    }
}

TEST_F(Selection, NothingStartsOnceExecuteOnSelectingIsUnticked) {
    Zevadar zevadar(folder_, FiveRunCommands());
    zevadar.Click(kCbExeOnSelect);
    ASSERT_TRUE(WaitFor([&] { return zevadar.Checked(kCbExeOnSelect); }));
    zevadar.Click(kCbExeOnSelect);
    ASSERT_TRUE(WaitFor([&] { return !zevadar.Checked(kCbExeOnSelect); }));

    ASSERT_TRUE(WalkDown(zevadar, 1, 4));
    EXPECT_EQ(zevadar.Text(kLbNoteRun), kPrefix + std::string("Starts the fifth entry."));
    // The Go image starts the last entry; anything the walk had started would precede it.
    zevadar.Click(kImgGoRun);
    EXPECT_THAT(WaitForLines(log_, 1), ElementsAre("fifth"));
}

TEST_F(Selection, NothingStartsAtProgramStart) {
    folder_.Write("console.msc", "");
    const std::string applet = folder_.Copy(BuiltFile("applet.cpl"), "applet.cpl");
    const ShellOpenCommand association("ZevadarTest.Console", "\"" + recorder_ + "\" \"%1\"",
                                       ".msc");
    Zevadar zevadar(folder_,
                    "[Microsoft Management Consoles]\nconsole.msc=Console.\n"
                    "[Windows Control Panels]\n" +
                        applet +
                        "=Applet.\n"
                        "[Run Commands]\ncmd /c echo run>>\"" +
                        log_ + "\"=Run.\n");
    // Each Go image starts its first entry once; a start at program start would come first.
    zevadar.Click(kImgGoMsc);
    ASSERT_THAT(WaitForLines(log_, 1), ElementsAre(HasSubstr("console.msc")));
    zevadar.Click(kImgGoRun);
    EXPECT_THAT(WaitForLines(log_, 2), ElementsAre(HasSubstr("console.msc"), "run"));
    zevadar.Click(kImgGoCpl);
    EXPECT_THAT(WaitForLines(folder_.File("applet.log"), 1), ElementsAre(HasSubstr("applet.cpl")));
}

TEST_F(Selection, NoteFollowsEachChange) {
    Zevadar zevadar(folder_,
                    "[Run Commands]\nnotepad=Editor.\ncalc=\nnotepad=Editor again.\n"
                    "regedit=Registry <b>editor</b>.\n");
    // The key without a value shows the bare prefix; the repeated key shows its first value.
    const char* notes[] = {"Editor.", "", "Editor.", "Registry <b>editor</b>."};
    EXPECT_EQ(zevadar.Text(kLbNoteRun), kPrefix + std::string(notes[0]));
    for (int i = 1; i < 4; ++i) {
        ASSERT_TRUE(WalkDown(zevadar, i, i));
        EXPECT_EQ(zevadar.Text(kLbNoteRun), kPrefix + std::string(notes[i])) << "entry " << i;
    }
    zevadar.PressKey(kCmbRun, VK_UP);
    ASSERT_TRUE(WaitFor([&] { return zevadar.Selection(kCmbRun) == 2; }));
    EXPECT_EQ(zevadar.Text(kLbNoteRun), kPrefix + std::string(notes[2]));
}

TEST_F(Selection, TypingTheStartOfAnEntrySelectsItAndShowsItsNote) {
    Zevadar zevadar(folder_,
                    "[Run Commands]\ncalc=Calculator.\nnotepad=Editor.\nnetsh=Network shell.\n"
                    "Nslookup=Name lookup.\n");
    // Quick keys build one prefix: "n" finds notepad, "ne" then netsh.
    zevadar.TypeChars(kCmbRun, "ne");
    ASSERT_TRUE(WaitFor([&] { return zevadar.Selection(kCmbRun) == 2; }));
    EXPECT_EQ(zevadar.Text(kLbNoteRun), kPrefix + std::string("Network shell."));
    // After a pause the next key starts a new prefix, matched without regard to case.
    Sleep(600);
    zevadar.TypeChars(kCmbRun, "ns");
    ASSERT_TRUE(WaitFor([&] { return zevadar.Selection(kCmbRun) == 3; }));
    EXPECT_EQ(zevadar.Text(kLbNoteRun), kPrefix + std::string("Name lookup."));
}

}  // namespace
}  // namespace zevadar::e2e
