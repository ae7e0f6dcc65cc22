#include "window/reflection_label_win.h"

#include <algorithm>

#include "window/reflection_capture_win.h"

namespace zevadar::window {

void ReflectionLabel::Render(HDC dc, int width, int height) {
    // The reflection is taken from the label as drawn without it: the text over the parent.
    if (!reflection_.bitmap) {
        MarkupLabel::Render(dc, width, height);
        const markup::Size block = displayList().textBlock;
        reflection_ = CaptureReflection(dc, std::min(block.width, width),
                                        std::min(block.height, height), kReflection);
    }
    PaintBackground(dc, width, height);
    const markup::Size block = displayList().textBlock;
    DrawPicture(dc, reflection_, 0, block.height + kReflectionAxis);
    PaintText(dc, width, height);
}

}  // namespace zevadar::window
