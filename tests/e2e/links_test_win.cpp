// A press on the version line's link hands its target to the shell, with either button.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/e2e/driver_win.h"
#include "window/control_ids.h"

namespace zevadar::e2e {
namespace {

using namespace zevadar::window;

// The target of the first anchor in MARKUP: the first double-quoted value inside its tag.
std::string AnchorTarget(const std::string& markup) {
    const size_t tag = markup.find("<a");
    const size_t open = markup.find('"', tag);
    const size_t close = markup.find('"', open + 1);
    if (tag == std::string::npos || close == std::string::npos) return "";
    return markup.substr(open + 1, close - open - 1);
}

// Links are drawn in pure blue; nothing else on the blue field comes near it.
bool IsLinkBlue(COLORREF colour) {
    return GetRValue(colour) < 80 && GetGValue(colour) < 80 && GetBValue(colour) > 180;
}

class Links : public testing::TestWithParam<MouseButton> {};

// Disabled until the version line draws its markup: the label still shows plain text.
TEST_P(Links, VersionLinkPressOpensItsTargetThroughTheShell) {
    TempFolder folder;
    const std::string recorder = folder.Copy(BuiltFile("recorder.exe"), "recorder.exe");
    const std::string command = "\"" + recorder + "\" \"%1\"";
    const ShellOpenCommand http("http", command);
    const ShellOpenCommand https("https", command);
    Zevadar zevadar(folder, std::nullopt);

    const std::string target = AnchorTarget(zevadar.Text(kLbCopyright));
    ASSERT_THAT(target, testing::HasSubstr("://")) << "the version line has no web link";
    const std::optional<POINT> link = zevadar.FindPixels(kLbCopyright, IsLinkBlue);
    ASSERT_TRUE(link) << "the version line draws no link";
    zevadar.Click(kLbCopyright, GetParam(), link);
    EXPECT_THAT(WaitForLines(folder.File("recorder.log"), 1),
                testing::ElementsAre(testing::HasSubstr(target)));
}

}  // namespace

void PrintTo(MouseButton button, std::ostream* out) {
    *out << (button == MouseButton::Left ? "Left" : "Right");
}

namespace {

std::string ButtonName(const testing::TestParamInfo<MouseButton>& test) {
    return testing::PrintToString(test.param);
}

INSTANTIATE_TEST_SUITE_P(Buttons, Links, testing::Values(MouseButton::Left, MouseButton::Right),
                         ButtonName);

}  // namespace
}  // namespace zevadar::e2e
