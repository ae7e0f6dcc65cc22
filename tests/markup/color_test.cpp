#include "window/markup/color.h"

#include <gtest/gtest.h>

namespace zevadar::markup {
namespace {

struct ColorCase {
    std::string_view value;
    Color color;
};

// Shown in test names.
void PrintTo(const ColorCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.value);
}

class ParseColorTest : public ::testing::TestWithParam<ColorCase> {};

TEST_P(ParseColorTest, GivesTheColor) {
    const Color color = ParseColor(GetParam().value);
    EXPECT_EQ(color, GetParam().color)
        << GetParam().value << " gave #" << std::hex << color.rgb << " system " << color.system;
}

INSTANTIATE_TEST_SUITE_P(
    Hex, ParseColorTest,
    ::testing::Values(ColorCase{"#FF8000", Color::Rgb(0xFF8000)},
                      ColorCase{"#ff80a0", Color::Rgb(0xFF80A0)},
                      // The title's five digits: the blue pair has one character, so it is 0.
                      ColorCase{"#00000", kBlack}, ColorCase{"#FFFFF", Color::Rgb(0xFFFF00)},
                      ColorCase{"#FF", Color::Rgb(0xFF0000)}, ColorCase{"#", kBlack},
                      ColorCase{"#102030FFFF", Color::Rgb(0x102030)},
                      ColorCase{"#GG8000", Color::Rgb(0x008000)}));

INSTANTIATE_TEST_SUITE_P(
    Names, ParseColorTest,
    ::testing::Values(
        ColorCase{"clRed", kRed}, ColorCase{"CLRED", kRed},
        ColorCase{"clMaroon", Color::Rgb(0x800000)}, ColorCase{"clTeal", Color::Rgb(0x008080)},
        ColorCase{"clSilver", Color::Rgb(0xC0C0C0)}, ColorCase{"clFuchsia", Color::Rgb(0xFF00FF)},
        ColorCase{"clwhite", kWhite}, ColorCase{"clBackground", Color::System(1)},
        ColorCase{"clWindow", Color::System(kSystemWindow)},
        ColorCase{"CLHIGHLIGHT", Color::System(kSystemHighlight)},
        ColorCase{"clBtnFace", Color::System(15)}, ColorCase{"cl3DDkShadow", Color::System(21)},
        ColorCase{"clInfoBk", Color::System(24)},
        // Without the prefix, or unknown: black.
        ColorCase{"red", kBlack}, ColorCase{"white", kBlack}, ColorCase{"clnone", kBlack},
        ColorCase{"", kBlack}, ColorCase{"clred ", kBlack}));

}  // namespace
}  // namespace zevadar::markup
