#include "window/markup/entities.h"

#include <gtest/gtest.h>

namespace zevadar::markup {
namespace {

struct DecodeCase {
    std::string_view raw;
    bool literalAmpersands;
    std::string_view text;
    int underlined;
};

// Shown in test names.
void PrintTo(const DecodeCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.raw) << (c.literalAmpersands ? " literal" : "");
}

class DecodeTextTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTextTest, GivesTheCharactersToDraw) {
    const DecodeCase& c = GetParam();
    const DecodedText decoded = DecodeText(c.raw, c.literalAmpersands);
    EXPECT_EQ(decoded.text, c.text) << c.raw;
    EXPECT_EQ(decoded.underlined, c.underlined) << c.raw;
}

INSTANTIATE_TEST_SUITE_P(
    Entities, DecodeTextTest,
    ::testing::Values(DecodeCase{"", false, "", -1}, DecodeCase{"a&lt;b&gt;c", false, "a<b>c", -1},
                      DecodeCase{"&nbsp;&quot;&QUOT;", false, " \"\"", -1},
                      DecodeCase{"&sect;&reg;&copy;&para;&trade;&euro;", false,
                                 "\xA7\xAE\xA9\xB6\x99\x80", -1},
                      DecodeCase{"&COPY;&Trade;", false, "\xA9\x99", -1},
                      DecodeCase{"&permil;", false, "\x89", -1},
                      // Only lower case for these three: "&LT;" is a prefix before "L".
                      DecodeCase{"&LT;", false, "LT;", 0}, DecodeCase{"&Nbsp;", true, "&Nbsp;", -1},
                      DecodeCase{"&lt", false, "lt", 0},
                      DecodeCase{"&unknown;", true, "&unknown;", -1}));

INSTANTIATE_TEST_SUITE_P(
    Ampersands, DecodeTextTest,
    ::testing::Values(
        // Without " & " in the markup: a lone ampersand underlines the next character.
        DecodeCase{"Tom&Jerry", false, "TomJerry", 3}, DecodeCase{"a&&b", false, "a&b", -1},
        DecodeCase{"a&", false, "a", -1}, DecodeCase{"&", false, "", -1},
        DecodeCase{"&a&b", false, "ab", 0}, DecodeCase{"a&&&b", false, "a&b", 2},
        // "&amp;" is always one ampersand, never a prefix.
        DecodeCase{"R&amp;D", false, "R&D", -1}, DecodeCase{"&amp;&amp;", false, "&&", -1},
        DecodeCase{"&AMP;x", false, "&x", -1}, DecodeCase{"&&lt;", false, "<", 0},
        // With " & " in the markup every ampersand stands as written.
        DecodeCase{"Tom&Jerry", true, "Tom&Jerry", -1}, DecodeCase{"a&&b", true, "a&&b", -1},
        DecodeCase{"R&amp;D", true, "R&D", -1}));

TEST(HasSpacedAmpersandTest, NeedsABlankOnEachSide) {
    EXPECT_TRUE(HasSpacedAmpersand("Tom & Jerry"));
    EXPECT_FALSE(HasSpacedAmpersand("Tom &amp; Jerry"));
    EXPECT_FALSE(HasSpacedAmpersand("Tom &Jerry &"));
    EXPECT_TRUE(HasSpacedAmpersand("a &  b & c"));
    EXPECT_FALSE(HasSpacedAmpersand(""));
}

}  // namespace
}  // namespace zevadar::markup
