// A picture with a mirrored copy under it that fades out downwards, both blended over what lies
// beneath the control.
#pragma once

#include "window/picture_box_win.h"
#include "window/picture_win.h"

namespace zevadar::window {

class ReflectionImage : public PictureBox {
public:
    static constexpr int kReflection = 120;    // taken off every row's opacity (of 255)
    static constexpr int kReflectionAxis = 1;  // the gap between the picture and its copy

    ReflectionImage();
    // Takes the picture and builds its reflection once.
    void SetPicture(Picture picture);

private:
    Picture picture_;
    Picture reflection_;
};

}  // namespace zevadar::window
