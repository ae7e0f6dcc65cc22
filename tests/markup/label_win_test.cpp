// The labels painted for real (through WM_PRINTCLIENT into a 32-bit bitmap) and pressed with
// real mouse messages, on a top-level test window with a plain blue background.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "window/handles_win.h"
#include "window/markup/gdi_measurer_win.h"
#include "window/markup/layout.h"
#include "window/markup/reflection.h"
#include "window/markup_label_win.h"
#include "window/picture_win.h"
#include "window/reflection_label_win.h"

namespace zevadar::window {
namespace {

constexpr COLORREF kParentBlue = RGB(0x7E, 0xB1, 0xE5);
constexpr char kTitle[] = "<B>Dava<FONT color=\"#00000\">ex</FONT> - Zevadar</B>";

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    int Sum() const { return r + g + b; }
};

class Parent : public Wnd {
public:
    Parent() {
        WndCreateArgs args;
        args.style = WS_POPUP;  // never shown: painting goes through WM_PRINTCLIENT
        args.bounds = {0, 0, 420, 160};
        Create(args);
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_PRINTCLIENT || message == WM_ERASEBKGND) {
            RECT client{};
            GetClientRect(hwnd(), &client);
            const UniqueBrush brush(CreateSolidBrush(kParentBlue));
            FillRect(reinterpret_cast<HDC>(wParam), &client, brush.get());
            return 1;
        }
        return DefaultHandling(message, wParam, lParam);
    }
};

// What a window paints, read back pixel by pixel.
class Capture {
public:
    explicit Capture(HWND hwnd) {
        RECT client{};
        GetClientRect(hwnd, &client);
        width_ = client.right;
        height_ = client.bottom;
        const Picture picture = CreatePicture(width_, height_);
        const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
        {
            ScopedSelect select(dc.get(), picture.bitmap.get());
            SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
            GdiFlush();
        }
        pixels_.assign(picture.pixels.begin(), picture.pixels.end());
    }

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb At(int x, int y) const {
        const std::uint32_t p = pixels_[Index(x, y)];
        return {static_cast<int>(p >> 16 & 0xFF), static_cast<int>(p >> 8 & 0xFF),
                static_cast<int>(p & 0xFF)};
    }
    // The first pixel, column by column from the left, that passes the test.
    template <typename Test>
    std::optional<POINT> Find(Test test) const {
        for (int x = 0; x < width_; ++x) {
            for (int y = 0; y < height_; ++y) {
                if (test(At(x, y))) return POINT{x, y};
            }
        }
        return std::nullopt;
    }

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y * width_ + x); }

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

bool IsRed(Rgb c) {
    return c.r > 200 && c.g < 60 && c.b < 60;
}
bool IsBlue(Rgb c) {
    return c.r < 60 && c.g < 60 && c.b > 200;
}
bool IsBlack(Rgb c) {
    return c.Sum() < 90;
}
bool IsWhite(Rgb c) {
    return c.r > 235 && c.g > 235 && c.b > 235;
}

class LabelTest : public ::testing::Test {
protected:
    // A note label: 289 x 32, "Tahoma" -11 in gray, opaque.
    static MarkupLabelCreateArgs Note(HWND parent, std::string markup) {
        MarkupLabelCreateArgs args;
        args.parent = parent;
        args.bounds = {10, 10, 299, 42};
        args.markup = std::move(markup);
        args.color = markup::kGray;
        args.opaque = true;
        return args;
    }
    // The title: 353 x 41, "Verdana" -21 bold white, transparent.
    static MarkupLabelCreateArgs Title(HWND parent) {
        MarkupLabelCreateArgs args;
        args.parent = parent;
        args.bounds = {10, 60, 363, 101};
        args.markup = kTitle;
        args.font = {.face = "Verdana", .height = -21, .bold = true};
        args.color = markup::kWhite;
        return args;
    }

    Parent parent_;
};

// Ink of the text: how far it spreads and how many pixels it darkens clearly.
struct Ink {
    int width = 0;
    int pixels = 0;
};

Ink InkOf(const Capture& capture) {
    int left = capture.width();
    int right = -1;
    Ink ink;
    for (int y = 0; y < capture.height(); ++y) {
        for (int x = 0; x < capture.width(); ++x) {
            if (capture.At(x, y).Sum() >= 3 * 255 - 60) continue;
            ++ink.pixels;
            left = std::min(left, x);
            right = std::max(right, x);
        }
    }
    ink.width = right - left + 1;
    return ink;
}

TEST_F(LabelTest, BoldPrefixIsWiderAndDarkerThanRegularText) {
    MarkupLabel label;
    ASSERT_TRUE(label.Create(Note(parent_.hwnd(), "<b>Note:</b>")));
    const Ink bold = InkOf(Capture(label.hwnd()));
    label.SetMarkup("Note:");
    const Ink regular = InkOf(Capture(label.hwnd()));
    EXPECT_GT(regular.width, 10);
    EXPECT_GT(bold.width, regular.width);
    EXPECT_GT(bold.pixels, regular.pixels * 5 / 4);
}

TEST_F(LabelTest, FontColorDrawsItsColorAndOpaqueLabelsFillWithTheWindowColor) {
    MarkupLabel label;
    ASSERT_TRUE(label.Create(Note(parent_.hwnd(), "<b>Note:</b> plain")));
    const Capture plain(label.hwnd());
    EXPECT_FALSE(plain.Find(IsRed));
    EXPECT_TRUE(IsWhite(plain.At(plain.width() - 1, plain.height() - 1)));

    label.SetMarkup(
        "<b>Note:</b> <font color=\"clRed\">red</font> <FONT COLOR=\"#0000ff\">x</FONT>");
    const Capture colored(label.hwnd());
    EXPECT_TRUE(colored.Find(IsRed));
    EXPECT_TRUE(colored.Find(IsBlue));
}

TEST_F(LabelTest, AmpersandPrefixUnderlinesOneCharacterOnly) {
    MarkupLabel label;
    ASSERT_TRUE(label.Create(Note(parent_.hwnd(), "Tom&Jerry")));
    const Capture prefixed(label.hwnd());
    label.SetMarkup("TomJerry");
    const Capture plain(label.hwnd());
    // The only difference is a short line under the "J", in one row below the baseline.
    int changed = 0;
    int row = -1;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (prefixed.At(x, y).Sum() == plain.At(x, y).Sum()) continue;
            ++changed;
            EXPECT_TRUE(row < 0 || row == y) << "changes in rows " << row << " and " << y;
            row = y;
        }
    }
    EXPECT_GE(changed, 3);
    EXPECT_LE(changed, 8);
}

TEST_F(LabelTest, WindowTextIsTheMarkup) {
    MarkupLabel label;
    ASSERT_TRUE(label.Create(Note(parent_.hwnd(), "Note:")));
    SendMessageA(label.hwnd(), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>("<b>Note:</b> <font color=\"clRed\">set</font>"));
    char text[128] = {};
    GetWindowTextA(label.hwnd(), text, sizeof text);
    EXPECT_STREQ(text, "<b>Note:</b> <font color=\"clRed\">set</font>");
    EXPECT_TRUE(Capture(label.hwnd()).Find(IsRed));
}

TEST_F(LabelTest, TitleDrawsTheBrandPartBlackAndTheRestWhiteOverTheParent) {
    MarkupLabel label;
    ASSERT_TRUE(label.Create(Title(parent_.hwnd())));
    const Capture title(label.hwnd());
    const Rgb corner = title.At(title.width() - 1, title.height() - 1);
    EXPECT_EQ(RGB(corner.r, corner.g, corner.b), kParentBlue);

    // The black "ex" stands between white text on its left ("Dava") and its right.
    int blackLeft = title.width();
    int blackRight = -1;
    int whiteLeft = title.width();
    int whiteRight = -1;
    for (int y = 0; y < title.height(); ++y) {
        for (int x = 0; x < title.width(); ++x) {
            const Rgb c = title.At(x, y);
            if (IsBlack(c))
                blackLeft = std::min(blackLeft, x), blackRight = std::max(blackRight, x);
            if (IsWhite(c))
                whiteLeft = std::min(whiteLeft, x), whiteRight = std::max(whiteRight, x);
        }
    }
    ASSERT_GE(blackRight, 0) << "no black text";
    ASSERT_GE(whiteRight, 0) << "no white text";
    EXPECT_LT(whiteLeft, blackLeft);
    EXPECT_GT(whiteRight, blackRight + 50);
}

TEST_F(LabelTest, ReflectionFadesRowByRowUnderTheTitle) {
    MarkupLabel plainLabel;
    ASSERT_TRUE(plainLabel.Create(Title(parent_.hwnd())));
    const Capture plain(plainLabel.hwnd());
    ReflectionLabel label;
    ASSERT_TRUE(label.Create(Title(parent_.hwnd())));
    const Capture reflected(label.hwnd());

    // The text block as the label lays it out.
    markup::GdiMeasurer measurer;
    markup::LayoutOptions options;
    options.width = plain.width();
    options.height = plain.height();
    options.baseFont = Title(nullptr).font;
    options.baseColor = markup::kWhite;
    const int blockHeight = markup::Layout(kTitle, options, measurer).textBlock.height;
    const int top = blockHeight + ReflectionLabel::kReflectionAxis;
    ASSERT_LT(blockHeight + 6, plain.height());

    // Below the text block, row k of the reflection is the block's row blockHeight - 1 - k
    // blended over the background with opacity f(k). Check two rows at the whitest source pixel.
    for (const int y : {blockHeight, blockHeight + 6}) {
        const int k = y - top;
        const int sourceRow = blockHeight - 1 - k;
        int x = 0;
        for (int i = 0; i < plain.width(); ++i) {
            if (plain.At(i, sourceRow).Sum() > plain.At(x, sourceRow).Sum()) x = i;
        }
        const Rgb source = plain.At(x, sourceRow);
        ASSERT_TRUE(IsWhite(source)) << "no white text in row " << sourceRow;
        const int factor =
            markup::ReflectionRowFactor(k, blockHeight, ReflectionLabel::kReflection);
        const Rgb background = plain.At(plain.width() - 1, y);
        const Rgb expected{background.r + (source.r - background.r) * factor / 255,
                           background.g + (source.g - background.g) * factor / 255,
                           background.b + (source.b - background.b) * factor / 255};
        const Rgb actual = reflected.At(x, y);
        EXPECT_NEAR(actual.r, expected.r, 3) << "row " << y << " factor " << factor;
        EXPECT_NEAR(actual.g, expected.g, 3) << "row " << y;
        EXPECT_NEAR(actual.b, expected.b, 3) << "row " << y;
        EXPECT_EQ(plain.At(x, y).Sum(), background.Sum()) << "no text of its own there";
    }
}

class LinkTest : public LabelTest {
protected:
    void SetUp() override {
        MarkupLabelCreateArgs args =
            Note(parent_.hwnd(),
                 "<b>Note:</b> <a href=\"https://store.example/\">store</a> "
                 "<a href=\"local\">local</a> <a>none</a>");
        args.openLink = [this](const std::string& target) { opened_.push_back(target); };
        ASSERT_TRUE(label_.Create(args));
        // The three links are the blue words, left to right; underlined, each is blue in every
        // column it covers.
        const Capture capture(label_.hwnd());
        int lastBlue = -2;
        for (int x = 0; x < capture.width(); ++x) {
            for (int y = 0; y < capture.height(); ++y) {
                if (!IsBlue(capture.At(x, y))) continue;
                if (x > lastBlue + 1) links_.push_back({x, y});
                lastBlue = x;
                break;
            }
        }
        ASSERT_EQ(links_.size(), 3u);
    }

    void Send(int message, POINT at) {
        SendMessageA(label_.hwnd(), static_cast<UINT>(message), 0, MAKELPARAM(at.x, at.y));
    }

    HCURSOR CursorOver(POINT at) {
        POINT screen = at;
        ClientToScreen(label_.hwnd(), &screen);
        SetCursorPos(screen.x, screen.y);
        SetCursor(nullptr);
        SendMessageA(label_.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(label_.hwnd()),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    }

    MarkupLabel label_;
    std::vector<POINT> links_;
    std::vector<std::string> opened_;
};

TEST_F(LinkTest, EveryPressOnAWebLinkOpensIt) {
    for (const int message : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_LBUTTONDBLCLK,
                              WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK}) {
        Send(message, links_[0]);
    }
    EXPECT_EQ(opened_, std::vector<std::string>(6, "https://store.example/"));
}

TEST_F(LinkTest, PressesElsewhereOpenNothing) {
    Send(WM_LBUTTONDOWN, links_[1]);  // a target the shell is not given
    Send(WM_LBUTTONDOWN, links_[2]);
    Send(WM_LBUTTONDOWN, {3, 5});  // "Note:"
    Send(WM_LBUTTONUP, links_[0]);
    EXPECT_TRUE(opened_.empty());
}

TEST_F(LinkTest, HandCursorOverLinksWithATarget) {
    const HCURSOR hand = LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));
    const HCURSOR arrow = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    EXPECT_EQ(CursorOver(links_[0]), hand);
    EXPECT_EQ(CursorOver(links_[1]), hand);
    EXPECT_EQ(CursorOver(links_[2]), arrow);
    EXPECT_EQ(CursorOver({3, 5}), arrow);
}

}  // namespace
}  // namespace zevadar::window
