#include "window/markup/layout.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/markup/dump.h"
#include "tests/markup/fake_measurer.h"

namespace zevadar::markup {
namespace {

using testing::FakeMeasurer;

// The labels of the main window.
LayoutOptions NoteLabel() {
    return {.width = 289,
            .height = 32,
            .baseFont = {.face = "Tahoma", .height = -11},
            .baseColor = kGray};
}
LayoutOptions TitleLabel() {
    return {.width = 353,
            .height = 41,
            .baseFont = {.face = "Verdana", .height = -21, .bold = true},
            .baseColor = kWhite};
}
LayoutOptions VersionLabel() {
    return {.width = 231,
            .height = 19,
            .baseFont = {.face = "Tahoma", .height = -11},
            .baseColor = kWhite};
}
LayoutOptions Label(int width, int height) {
    LayoutOptions options = NoteLabel();
    options.width = width;
    options.height = height;
    return options;
}

std::vector<TextRun> Runs(const DisplayList& list) {
    std::vector<TextRun> runs;
    for (const DisplayItem& item : list.items) {
        if (const auto* run = std::get_if<TextRun>(&item)) runs.push_back(*run);
    }
    return runs;
}

// The drawn text line by line, as "top:text".
std::vector<std::string> Lines(const DisplayList& list) {
    std::map<int, std::string> byTop;
    for (const TextRun& run : Runs(list)) byTop[run.y + run.height] += run.text;
    std::vector<std::string> lines;
    for (const auto& [bottom, text] : byTop)
        lines.push_back(std::to_string(bottom - 13) + ":" + text);
    return lines;
}

class LayoutTest : public ::testing::Test {
protected:
    DisplayList Lay(std::string_view markup, const LayoutOptions& options = NoteLabel()) {
        return Layout(markup, options, measurer_);
    }
    const FontSpec& FontOf(const TextRun& run) const { return measurer_.Spec(run.font); }
    std::string Dump(const DisplayList& list) const { return testing::Dump(list, measurer_); }

    FakeMeasurer measurer_;
};

using Strings = std::vector<std::string>;

TEST_F(LayoutTest, NoteShowsTwoLinesAndCutsTheRest) {
    std::string note = "<b>Note:</b> ";
    for (int i = 0; i < 40; ++i) note += "word" + std::to_string(i) + " ";
    const DisplayList list = Lay(note);

    const Strings lines = Lines(list);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "0:Note: word0 word1 word2 word3 word4 word5 ");
    EXPECT_EQ(lines[1].substr(0, 9), "13:word6 ");
    for (const TextRun& run : Runs(list)) EXPECT_LE(run.y + run.height, 32);
    EXPECT_EQ(list.textBlock.height, 2 * 13 + 2);
}

struct BreakCase {
    std::string_view markup;
    int width;
    Strings lines;
};

// Shown in test names.
void PrintTo(const BreakCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.markup) << " in " << c.width;
}

class LineBreakTest : public LayoutTest, public ::testing::WithParamInterface<BreakCase> {};

TEST_P(LineBreakTest, BreaksOnlyAfterBlanks) {
    EXPECT_EQ(Lines(Lay(GetParam().markup, Label(GetParam().width, 100))), GetParam().lines)
        << GetParam().markup;
}

// Characters are 6 pixels wide (7 in bold) and text starts at x = 1.
INSTANTIATE_TEST_SUITE_P(
    Pieces, LineBreakTest,
    ::testing::Values(
        BreakCase{"aaaaa bbb", 61, {"0:aaaaa bbb"}},
        // Reaching the right edge is enough to break; the blank stays on the upper line.
        BreakCase{"aaaaa bbbb", 61, {"0:aaaaa ", "13:bbbb"}},
        // A piece as wide as the whole line stays where it is and is cut off.
        BreakCase{"aaaaa bbbbbbbbbbb", 61, {"0:aaaaa bbbbbbbbbbb"}},
        BreakCase{"aaaaa bbbbbbbbbbb cc", 61, {"0:aaaaa bbbbbbbbbbb ", "13:cc"}},
        // No break where the text before does not end in a blank.
        BreakCase{"aaaaaa<b>bbbb</b>", 61, {"0:aaaaaabbbb"}},
        BreakCase{"aaaaa <b>bbbb</b>", 61, {"0:aaaaa ", "13:bbbb"}},
        // The first piece of a line never moves.
        BreakCase{"bbbbbbbbbbbbbbbbbbbb", 61, {"0:bbbbbbbbbbbbbbbbbbbb"}},
        // Only tags break lines; line breaks in the source do not show.
        BreakCase{"a<br>b<BR><br>c", 300, {"0:a", "13:b", "39:c"}},
        BreakCase{"ab\r\ncd\ne", 300, {"0:abcde"}}));

TEST_F(LayoutTest, LinesBeginOnlyWhileAGhLineStillFits) {
    // A new line needs its top plus the line height ("gh" in the font the previous line began
    // with) inside the label.
    for (const auto& [height, count] : {std::pair{25, 1u}, {26, 2u}, {38, 2u}, {39, 3u}}) {
        EXPECT_EQ(Lines(Lay("a<br>b<br>c<br>d", Label(100, height))).size(), count) << height;
    }
    // The previous line began in the base font, though it ends in a large one.
    const DisplayList list = Lay("a<font size=\"5\">b<br>c</font>", Label(100, 40));
    EXPECT_EQ(Lines(list).size(), 2u);
}

TEST_F(LayoutTest, WordWiderThanTheNoteStaysOnTheFirstLine) {
    const std::string word(60, 'x');
    const DisplayList list = Lay("<b>Note:</b> " + word + " next");
    const auto runs = Runs(list);
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[2].text, word + " ");
    EXPECT_EQ(runs[2].x, 1 + 5 * 7 + 6);
    EXPECT_EQ(runs[2].y, 0);
    EXPECT_GT(runs[2].x + runs[2].width, 289);  // cut off by the painter's clipping
    EXPECT_EQ(runs[3].y, 13);
}

TEST_F(LayoutTest, EmptyNoteShowsTheBoldPrefixAndABlank) {
    const auto runs = Runs(Lay("<b>Note:</b> "));
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].text, "Note:");
    EXPECT_TRUE(FontOf(runs[0]).bold);
    EXPECT_EQ(runs[0].color, kGray);
    EXPECT_EQ(runs[1].text, " ");
    EXPECT_FALSE(FontOf(runs[1]).bold);
}

TEST_F(LayoutTest, FormattingLeftOpenEndsWithTheLayout) {
    Lay("<b>Note:</b> <b><i><font color=\"clRed\" size=\"5\"><a href=\"x\">open");
    const auto runs = Runs(Lay("<b>Note:</b> plain"));
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(FontOf(runs[2]), NoteLabel().baseFont);
    EXPECT_EQ(runs[2].color, kGray);
}

TEST_F(LayoutTest, ClosingTagsReturnToTheBase) {
    // </B> ends bold even where the base font is bold; </A> restores the base colour, not the
    // colour of an enclosing FONT.
    const auto runs =
        Runs(Lay("a</b>b<font color=\"clRed\"><a href=\"u\">c</a>d</font>e", TitleLabel()));
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_TRUE(FontOf(runs[0]).bold);
    EXPECT_FALSE(FontOf(runs[1]).bold);
    EXPECT_EQ(runs[2].color, kBlue);
    EXPECT_TRUE(FontOf(runs[2]).underline);
    EXPECT_EQ(runs[3].color, kWhite);
    EXPECT_FALSE(FontOf(runs[3]).underline);
    EXPECT_EQ(runs[4].color, kWhite);
}

TEST_F(LayoutTest, LoneLessThanHidesTheRestButAnEntityDoesNot) {
    EXPECT_EQ(Lines(Lay("<b>Note:</b> 3 < 4 is true")), Strings{"0:Note: 3 "});
    EXPECT_EQ(Lines(Lay("<b>Note:</b> 3 &lt; 4 is true")), Strings{"0:Note: 3 < 4 is true"});
}

TEST_F(LayoutTest, AmpersandsFollowTheSpacedAmpersandRule) {
    const auto prefixed = Runs(Lay("<b>Note:</b> Tom&Jerry R&amp;D"));
    ASSERT_EQ(prefixed.size(), 4u);
    EXPECT_EQ(prefixed[2].text, "TomJerry ");
    EXPECT_EQ(prefixed[2].underlined, 3);
    EXPECT_EQ(prefixed[3].text, "R&D");
    EXPECT_EQ(prefixed[3].underlined, -1);

    EXPECT_EQ(Lines(Lay("<b>Note:</b> Tom & Jerry&Co R&amp;D")),
              Strings{"0:Note: Tom & Jerry&Co R&D"});
    for (const TextRun& run : Runs(Lay("Tom & Jerry&Co"))) EXPECT_EQ(run.underlined, -1);
}

TEST_F(LayoutTest, LineIsAsHighAsItsTallestPiece) {
    const auto runs = Runs(Lay("a<font size=\"5\">B</font>c<br>d", Label(200, 100)));
    ASSERT_EQ(runs.size(), 4u);
    // Size 5 is 16 points, 21 pixels: a line of 23 with the fake measurer.
    EXPECT_EQ(runs[1].height, 23);
    EXPECT_EQ(runs[1].y, 0);
    EXPECT_EQ(runs[0].y, 10);  // smaller text stands on the same bottom line
    EXPECT_EQ(runs[3].y, 23);
}

TEST_F(LayoutTest, SubscriptAndSuperscriptAddTheirShift) {
    const auto runs = Runs(Lay("a<sub>2</sub><br>b<sup>2</sup><br>c", Label(200, 100)));
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[0].y, 0);
    EXPECT_EQ(runs[1].y, 3);  // a quarter of 13 lower
    EXPECT_EQ(runs[2].y, 16 + 3);
    EXPECT_EQ(runs[3].y, 16);
    EXPECT_EQ(runs[4].y, 32);
}

TEST_F(LayoutTest, TitleDrawsTheFontPartBlack) {
    testing::ExpectMatchesReference(
        "title", Dump(Lay("<B>Dava<FONT color=\"#00000\">ex</FONT> - Zevadar</B>", TitleLabel())));
}

TEST_F(LayoutTest, VersionLineLinkIsHitTestedOnItsText) {
    const DisplayList list =
        Lay("<b>Zevadar</b> 1.0 &copy; Duzuze <a href=\"https://store.duzuze.example/\">Store</a>",
            VersionLabel());
    testing::ExpectMatchesReference("version_line", Dump(list));
    ASSERT_EQ(list.links.size(), 1u);
    const Rect box = list.links[0].rect;
    const LinkBox* hit = HitTest(list, box.left, box.bottom - 1);
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->target, "https://store.duzuze.example/");
    EXPECT_EQ(HitTest(list, box.left - 1, box.top), nullptr);
    EXPECT_EQ(HitTest(list, box.right, box.top), nullptr);
    EXPECT_EQ(HitTest(list, box.left, box.bottom), nullptr);
}

TEST_F(LayoutTest, LinkSpreadOverTwoLinesHasABoxOnEach) {
    const DisplayList list = Lay("see <a href=\"mailto:x@y\">one two three</a> end", Label(70, 40));
    ASSERT_EQ(list.links.size(), 3u);
    EXPECT_EQ(list.links[0].rect.top, 0);
    EXPECT_EQ(list.links[2].rect.top, 13);
    for (const LinkBox& link : list.links) EXPECT_EQ(link.target, "mailto:x@y");
    EXPECT_EQ(HitTest(list, 1, 1), nullptr);  // "see " is no link
}

TEST_F(LayoutTest, EveryTagDrawsItsOwnWay) {
    testing::ExpectMatchesReference(
        "all_tags",
        Dump(Lay("<body bgcolor=\"clWhite\" bgcolorto=\"#0000ff\" dir=\"v\">"
                 "<p align=\"center\" bgcolor=\"clYellow\">mid</p>"
                 "<p align=\"right\" indent=\"9\">right</p><p indent=\"9\">in</p>"
                 "<ul><li>one</li><ul><li>two</li></ul></ul><hr>"
                 "<i>it</i> <u>un</u> <s>st</s> <hi>hi</hi> <sh>sh</sh> <e>err</e> "
                 "<z>hidden</z>x<in x=\"150\">at <sup>up</sup><sub>dn</sub><br>"
                 "<img src=\"SSYS:C:\\\"><img src=\"FILE://none.png\"> "
                 "<img src=\"RES://pic\" width=\"8\" height=\"4\" align=\"top\"> "
                 "<font face=\"Courier New\" size=\"2\" bgcolor=\"#00ff00\" color=\"clHighlight\">"
                 "f</font>&euro;",
                 Label(300, 200))));
}

std::string Repeat(std::string_view text, std::size_t times) {
    std::string repeated;
    repeated.reserve(text.size() * times);
    for (std::size_t i = 0; i < times; ++i) repeated += text;
    return repeated;
}

TEST_F(LayoutTest, HostileNotesKeepToTheirTwoLines) {
    const std::string prefix = "<b>Note:</b> ";
    const std::vector<std::string> notes{
        prefix + Repeat("word&amp; <i>x</i> ", 50'000),  // 1 MB of words
        prefix + Repeat("a<b>b</b>", 120'000),           // a line that never breaks
        prefix + Repeat("<b>", 100'000) + "x" + Repeat("</b>", 100'000),  // deep nesting
        prefix + Repeat("<ul>", 100'000) + Repeat("<li>x", 1'000),
        prefix + "a" + Repeat("<", 100'000),
        prefix + "a<" + std::string(1'000'000, 'b'),
        prefix + Repeat("&amp", 250'000),
        prefix + std::string(1'000'000, '\0') + "<b\0>",
    };
    for (const std::string& note : notes) {
        const DisplayList list = Lay(note);
        EXPECT_LE(Lines(list).size(), 2u) << note.substr(0, 40);
        EXPECT_LT(list.items.size(), 200u) << note.substr(0, 40);
    }
}

TEST(IsShellTargetTest, NeedsSchemeSeparatorOrMailto) {
    EXPECT_TRUE(IsShellTarget("https://store.example/"));
    EXPECT_TRUE(IsShellTarget("HTTP://EXAMPLE"));
    EXPECT_TRUE(IsShellTarget("ftp://x"));
    EXPECT_TRUE(IsShellTarget("mailto:me@example"));
    EXPECT_TRUE(IsShellTarget("see mailto:x"));
    EXPECT_FALSE(IsShellTarget("MAILTO:me@example"));
    EXPECT_FALSE(IsShellTarget("www.example.com"));
    EXPECT_FALSE(IsShellTarget("C:\\Windows"));
    EXPECT_FALSE(IsShellTarget(""));
}

}  // namespace
}  // namespace zevadar::markup
