// A markup label with a mirrored, fading copy of its text block beneath the text.
#pragma once

#include "window/markup_label_win.h"
#include "window/picture_win.h"

namespace zevadar::window {

class ReflectionLabel : public MarkupLabel {
public:
    static constexpr int kReflection = 100;     // taken off every row's opacity (of 255)
    static constexpr int kReflectionAxis = -7;  // where the copy starts, from the block's bottom

protected:
    void Render(HDC dc, int width, int height) override;
    void OnChanged() override { reflection_ = {}; }

private:
    Picture reflection_;
};

}  // namespace zevadar::window
