// Start, catalogue and end of the real program: what the lists, captions and notes show for a
// catalogue beside the executable, where the window opens, and how it closes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/e2e/driver_win.h"
#include "window/control_ids.h"

namespace zevadar::e2e {
namespace {

using namespace zevadar::window;

struct ListView {
    std::vector<std::string> entries;
    std::string note;  // of the first entry, behind the note prefix
};

struct CatalogueCase {
    const char* name;
    std::optional<std::string> catalogue;
    ListView run;
    ListView cpl;
    ListView msc;
};

void PrintTo(const CatalogueCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

// Names of 99 characters: with its NUL each takes 100 bytes of the 16,384-byte buffer, so 163
// fit whole and the 164th would arrive cut short.
std::string LongName(int index) {
    std::string name = "cmd /c rem " + std::to_string(1000 + index) + " ";
    return name + std::string(99 - name.size(), 'x');
}

CatalogueCase SixteenKilobyteLimit() {
    CatalogueCase testCase{"SixteenKilobyteLimit", "[Run Commands]\n", {}, {}, {}};
    for (int i = 0; i < 200; ++i) {
        *testCase.catalogue += LongName(i) + "=Entry " + std::to_string(i) + "\n";
        if (i < 163) testCase.run.entries.push_back(LongName(i));
    }
    testCase.run.note = "Entry 0";
    return testCase;
}

CatalogueCase LongNote() {
    std::string note;
    for (int i = 0; note.size() < 3000; ++i) note += std::to_string(i) + ",";
    return {"NoteCutTo2047Characters",
            "[Windows Control Panels]\nlong.cpl=" + note + "\n",
            {},
            {{"long.cpl"}, note.substr(0, 2047)},
            {}};
}

const CatalogueCase kCatalogueCases[] = {
    {"MissingCatalogue", std::nullopt, {}, {}, {}},
    {"EmptyFile", "", {}, {}, {}},
    {"Example",
     R"([Microsoft Management Consoles]
services.msc=Starts, stops and configures the <b>Windows services</b>.
devmgmt.msc=

[Windows Control Panels]
netsetup.cpl=Network setup wizard.

[Run Commands]
cmd /k ipconfig /all=Shows the network configuration in a console window.
notepad=Plain text editor.
)",
     {{"cmd /k ipconfig /all", "notepad"}, "Shows the network configuration in a console window."},
     {{"netsetup.cpl"}, "Network setup wizard."},
     {{"services.msc", "devmgmt.msc"},
      "Starts, stops and configures the <b>Windows services</b>."}},
    {"KeyWithoutValue",
     "[Microsoft Management Consoles]\nfirst.msc=\nsecond.msc=Second.\nthird.msc=Third.\n",
     {},
     {},
     {{"first.msc", "second.msc", "third.msc"}, ""}},
    {"DuplicatedKey",
     "[Run Commands]\nnotepad=Editor.\ncalc=Calculator.\nnotepad=Editor again.\n",
     {{"notepad", "calc", "notepad"}, "Editor."},
     {},
     {}},
    {"BlanksAroundEntry",
     "[Run Commands]\n  \tnotepad  \t=Editor.\n",
     {{"notepad"}, "Editor."},
     {},
     {}},
    {"OtherSectionsIgnored",
     "[Other]\nstray=Not listed.\n[Run Commands]\nregedit=Registry editor.\n",
     {{"regedit"}, "Registry editor."},
     {},
     {}},
    SixteenKilobyteLimit(),
    LongNote(),
};

class StartWithCatalogue : public testing::TestWithParam<CatalogueCase> {};

TEST_P(StartWithCatalogue, ListsCountsAndNotesOfTheCatalogue) {
    const CatalogueCase& expected = GetParam();
    TempFolder folder;
    Zevadar zevadar(folder, expected.catalogue);

    struct Block {
        const char* caption;
        int label;
        int list;
        int note;
        const ListView& view;
    };
    for (const Block& block :
         {Block{"Run Commands", kLbRun, kCmbRun, kLbNoteRun, expected.run},
          Block{"Windows Control Panels", kLbCpl, kCmbCpl, kLbNoteCpl, expected.cpl},
          Block{"Microsoft Management Consoles", kLbMsc, kCmbMsc, kLbNoteMsc, expected.msc}}) {
        SCOPED_TRACE(block.caption);
        const std::vector<std::string>& entries = block.view.entries;
        EXPECT_EQ(zevadar.Items(block.list), entries);
        EXPECT_EQ(zevadar.Selection(block.list), entries.empty() ? CB_ERR : 0);
        EXPECT_EQ(zevadar.Text(block.label),
                  std::string(block.caption) + " (" + std::to_string(entries.size()) + "):");
        EXPECT_EQ(zevadar.Text(block.note), "<b>Note:</b> " + block.view.note);
    }
    zevadar.Close(CloseWay::ExitButton);
    EXPECT_EQ(zevadar.WaitForExit(), 0u);
}

std::string CaseName(const testing::TestParamInfo<CatalogueCase>& test) {
    return test.param.name;
}

INSTANTIATE_TEST_SUITE_P(Catalogues, StartWithCatalogue, testing::ValuesIn(kCatalogueCases),
                         CaseName);

TEST(StartAndCatalogue, WindowOpensCentredOnThePrimaryScreen) {
    TempFolder folder;
    Zevadar zevadar(folder, std::nullopt);
    RECT bounds{};
    GetWindowRect(zevadar.Window(), &bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    EXPECT_EQ(bounds.left, std::max(0, (GetSystemMetrics(SM_CXSCREEN) - width) / 2));
    EXPECT_EQ(bounds.top, std::max(0, (GetSystemMetrics(SM_CYSCREEN) - height) / 2));
}

class Closing : public testing::TestWithParam<CloseWay> {};

TEST_P(Closing, EndsTheProgramWithExitCodeZero) {
    TempFolder folder;
    Zevadar zevadar(folder, "[Run Commands]\nnotepad=Editor.\n");
    zevadar.Close(GetParam());
    EXPECT_EQ(zevadar.WaitForExit(), 0u);
}

}  // namespace

void PrintTo(CloseWay way, std::ostream* out) {
    constexpr const char* kNames[] = {"ExitButton", "CloseMessage", "AltF4", "WindowMenu"};
    *out << kNames[static_cast<int>(way)];
}

namespace {

std::string WayName(const testing::TestParamInfo<CloseWay>& test) {
    return testing::PrintToString(test.param);
}

INSTANTIATE_TEST_SUITE_P(EachWay, Closing,
                         testing::Values(CloseWay::ExitButton, CloseWay::CloseMessage,
                                         CloseWay::AltF4, CloseWay::WindowMenu),
                         WayName);

}  // namespace
}  // namespace zevadar::e2e
