// The laid-out label: what to draw, in drawing order, and where the links are. Painting replays
// it and hit testing reads it, so a label is measured once per layout.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "window/markup/color.h"
#include "window/markup/measurer.h"

namespace zevadar::markup {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Characters drawn at (x, y), the top-left of their cell; exactly these, no prefix rules.
struct TextRun {
    std::string text;
    FontId font = 0;
    Color color;
    std::optional<Color> background;  // filled behind the characters' cells
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int underlined = -1;  // index of the one character underlined by an "&" prefix, or -1
};

// A solid fill, or a gradient from `from` to `to` (left to right, or top to bottom).
struct Fill {
    Rect rect;
    Color from;
    Color to;
    bool vertical = false;
};

// A one-pixel line from (left, y) to (right, y).
struct HorizontalLine {
    int left = 0;
    int right = 0;
    int y = 0;
    Color color;
};

// A zigzag underline filling rect.
struct Zigzag {
    Rect rect;
    Color color;
};

struct Picture {
    Rect rect;
    std::string source;
};

using DisplayItem = std::variant<Fill, TextRun, HorizontalLine, Zigzag, Picture>;

struct LinkBox {
    Rect rect;
    std::string target;
};

struct DisplayList {
    std::vector<DisplayItem> items;
    std::vector<LinkBox> links;
    // The top-left block the text covers: widest line + 2 by the sum of line heights + 2.
    Size textBlock;
};

// The link whose drawn text lies under (x, y), or null.
const LinkBox* HitTest(const DisplayList& list, int x, int y);

// Whether pressing a link hands its target to the shell: it contains "://" or "mailto:".
bool IsShellTarget(std::string_view target);

}  // namespace zevadar::markup
