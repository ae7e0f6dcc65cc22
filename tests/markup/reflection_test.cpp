#include "window/markup/reflection.h"

#include <gtest/gtest.h>

#include <vector>

namespace zevadar::markup {
namespace {

struct RowCase {
    int k;
    int height;
    int reflection;
    int factor;
};

// Shown in test names.
void PrintTo(const RowCase& c, std::ostream* out) {
    *out << "k " << c.k << " of " << c.height << " less " << c.reflection;
}

class ReflectionRowFactorTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(ReflectionRowFactorTest, RoundsHalfToEvenAndClamps) {
    const RowCase& c = GetParam();
    EXPECT_EQ(ReflectionRowFactor(c.k, c.height, c.reflection), c.factor)
        << "k " << c.k << " height " << c.height << " reflection " << c.reflection;
}

INSTANTIATE_TEST_SUITE_P(Rows, ReflectionRowFactorTest,
                         ::testing::Values(
                             // The large icon: 128 rows, reflection 120.
                             RowCase{0, 128, 120, 135}, RowCase{1, 128, 120, 133},
                             RowCase{67, 128, 120, 2}, RowCase{68, 128, 120, 0},
                             RowCase{127, 128, 120, 0},
                             // The title: its first row starts at 155/255 for any block height.
                             RowCase{0, 27, 100, 155}, RowCase{0, 41, 100, 155},
                             // Halves go to the even neighbour: 127.5 -> 128, 212.5 -> 212.
                             RowCase{1, 2, 0, 128}, RowCase{1, 6, 0, 212}, RowCase{200, 128, 0, 0},
                             RowCase{0, 0, 0, 0}, RowCase{5, 10, -300, 255}));

TEST(ReflectionRowFactorTest, LargeIconShowsSixtyEightRows) {
    int visible = 0;
    for (int k = 0; k < 128; ++k) visible += ReflectionRowFactor(k, 128, 120) > 0 ? 1 : 0;
    EXPECT_EQ(visible, 68);
}

TEST(ScaleAlphaTest, ScalesToTheNearestInteger) {
    EXPECT_EQ(ScaleAlpha(255, 200), 200);
    EXPECT_EQ(ScaleAlpha(0, 255), 0);
    EXPECT_EQ(ScaleAlpha(135, 255), 135);
    EXPECT_EQ(ScaleAlpha(128, 1), 1);     // 0.502
    EXPECT_EQ(ScaleAlpha(127, 1), 0);     // 0.498
    EXPECT_EQ(ScaleAlpha(155, 100), 61);  // 60.78
    EXPECT_EQ(ScaleAlpha(300, 7), 7);
}

TEST(MirrorWithFadeTest, FlipsFadesAndPremultiplies) {
    // Two columns, three rows; the top row is opaque white, the bottom one half-transparent red.
    const std::vector<std::uint32_t> pixels{
        0xFFFFFFFF, 0x00FFFFFF,  // the alpha-0 pixel stays clear
        0xFF000000, 0xFF0000FF,  //
        0x80FF0000, 0xFF00FF00,  //
    };
    const std::vector<std::uint32_t> mirrored = MirrorWithFade(pixels, 2, 3, 0);
    ASSERT_EQ(mirrored.size(), 6u);
    // Row 0 is the bottom row at full opacity, premultiplied: 0x80 * 0xFF / 255.
    EXPECT_EQ(mirrored[0], 0x80800000u);
    EXPECT_EQ(mirrored[1], 0xFF00FF00u);
    // Row 1 at 170/255: black stays black, blue is scaled with its alpha.
    EXPECT_EQ(mirrored[2], 0xAA000000u);
    EXPECT_EQ(mirrored[3], 0xAA0000AAu);
    // Row 2 (the top row) at 85/255.
    EXPECT_EQ(mirrored[4], 0x55555555u);
    EXPECT_EQ(mirrored[5], 0x00000000u);
}

TEST(MirrorWithFadeTest, RefusesSizesThePixelsDoNotFill) {
    const std::vector<std::uint32_t> pixels(5, 0xFFFFFFFF);
    EXPECT_TRUE(MirrorWithFade(pixels, 2, 3, 0).empty());
    EXPECT_TRUE(MirrorWithFade(pixels, 0, 3, 0).empty());
    EXPECT_TRUE(MirrorWithFade(pixels, 2, -1, 0).empty());
}

}  // namespace
}  // namespace zevadar::markup
