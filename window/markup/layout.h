// Lays label markup out into a display list: word-wrapped from the top-left, cut at the bottom.
#pragma once

#include <string_view>

#include "window/markup/color.h"
#include "window/markup/display_list.h"
#include "window/markup/measurer.h"

namespace zevadar::markup {

struct LayoutOptions {
    int width = 0;  // the label's size
    int height = 0;
    FontSpec baseFont;
    Color baseColor;
    Color urlColor = kBlue;
    Color shadowColor = kGray;
    int shadowOffset = 2;
};

// Every layout starts from the base font and colour: formatting left open by the markup ends
// with it. A line break in the source never shows; only tags break lines.
DisplayList Layout(std::string_view markup, const LayoutOptions& options, Measurer& measurer);

}  // namespace zevadar::markup
