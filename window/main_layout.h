// The main window as data: every control with its place, size, text, font, colours, hint and
// tab order, in creation order (the first lies lowest among the pictures and labels).
#pragma once

#include "window/control_ids.h"
#include "window/markup/color.h"

namespace zevadar::window {

enum class Kind {
    Picture,          // background, large icon, Go images
    MarkupLabel,      // notes and version line
    ReflectionLabel,  // title
    Label,            // list captions
    Button,
    DropDownList,
    CheckBox,
};

inline constexpr markup::Color kNavy = markup::Color::Rgb(0x1E3262);

struct FontSpec {
    const char* face = "Tahoma";
    int height = -11;  // negative: character height in pixels
    bool bold = false;
    markup::Color colour = markup::Color::System(markup::kSystemWindowText);
};

struct ControlSpec {
    ControlId id;
    Kind kind;
    int left, top, width, height;
    const char* text;
    FontSpec font;
    bool opaque;       // fills its rectangle with the window colour; else shows the background
    int tabOrder;      // -1: not a tab stop
    const char* hint;  // null: none
};

inline constexpr int kClientWidth = 530;
inline constexpr int kClientHeight = 360;

inline constexpr FontSpec kFormFont{};
inline constexpr FontSpec kCaptionFont{"Tahoma", -11, false, kNavy};
inline constexpr FontSpec kWhiteFont{"Tahoma", -11, false, markup::kWhite};
inline constexpr FontSpec kNoteFont{"Tahoma", -11, false, markup::kGray};
inline constexpr FontSpec kTitleFont{"Verdana", -21, true, markup::kWhite};

inline constexpr char kTitleMarkup[] = R"(<B>Dava<FONT color="#00000">ex</FONT> - Zevadar</B>)";
inline constexpr char kVersionMarkup[] =
    R"(<b>Zevadar 1.0</b> &copy; Duzuze - <a href="https://duzuze.example/store">web store</a>)";
inline constexpr char kGoHint[] = "Execute the selected funtion";

inline constexpr ControlSpec kMainControls[] = {
    {kImgBkgnd, Kind::Picture, 0, 0, 530, 360, "", kFormFont, true, -1, nullptr},
    {kImgIconLarge, Kind::Picture, 24, 20, 130, 244, "", kFormFont, false, -1, nullptr},
    {kLbCopyright, Kind::MarkupLabel, 21, 333, 231, 19, kVersionMarkup, kWhiteFont, false, -1,
     nullptr},
    {kLbTitle, Kind::ReflectionLabel, 174, 17, 353, 41, kTitleMarkup, kTitleFont, false, -1,
     nullptr},
    {kLbNoteMsc, Kind::MarkupLabel, 199, 272, 289, 32, "Note:", kNoteFont, true, -1, nullptr},
    {kImgGoMsc, Kind::Picture, 468, 246, 24, 24, "", kFormFont, false, -1, kGoHint},
    {kLbMsc, Kind::Label, 199, 233, 159, 13, "Microsoft Management Consoles:", kCaptionFont, true,
     -1, nullptr},
    {kLbCpl, Kind::Label, 199, 161, 119, 13, "Windows Control Panels:", kCaptionFont, true, -1,
     nullptr},
    {kLbNoteCpl, Kind::MarkupLabel, 199, 200, 289, 32, "Note:", kNoteFont, true, -1, nullptr},
    {kImgGoCpl, Kind::Picture, 468, 174, 24, 24, "", kFormFont, false, -1, kGoHint},
    {kLbRun, Kind::Label, 199, 89, 78, 13, "Run Commands:", kCaptionFont, true, -1, nullptr},
    {kLbNoteRun, Kind::MarkupLabel, 199, 128, 289, 32, "Note:", kNoteFont, true, -1, nullptr},
    {kImgGoRun, Kind::Picture, 468, 102, 24, 24, "", kFormFont, false, -1, kGoHint},
    {kBtnExit, Kind::Button, 437, 324, 80, 25, "Exit", kFormFont, true, 4, nullptr},
    {kCmbMsc, Kind::DropDownList, 199, 248, 265, 21, "", kFormFont, true, 2, nullptr},
    {kCmbCpl, Kind::DropDownList, 199, 176, 265, 21, "", kFormFont, true, 1, nullptr},
    {kCmbRun, Kind::DropDownList, 199, 104, 265, 21, "", kFormFont, true, 0, nullptr},
    {kBtnRunDlg, Kind::Button, 353, 324, 80, 25, "Run Dialog", kFormFont, true, 3, nullptr},
    {kCbStayOnTop, Kind::CheckBox, 21, 267, 130, 20, "Keep Window On Top", kWhiteFont, false, -1,
     "Keep the Zevadar window on top"},
    {kCbExeOnSelect, Kind::CheckBox, 21, 290, 130, 20, "Execute On Selecting", kWhiteFont, false,
     -1, "Execute the function when selecting from the list"},
};

// Where a window of the given size is first shown: centred, never off the top-left edge.
constexpr int CentredOrigin(int screenExtent, int windowExtent) {
    const int origin = (screenExtent - windowExtent) / 2;
    return origin < 0 ? 0 : origin;
}

}  // namespace zevadar::window
