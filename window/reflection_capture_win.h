// Mirrored, fading reflections of what a device context shows.
#pragma once

#include <windows.h>

#include "window/picture_win.h"

namespace zevadar::window {

// Copies the width x height block at the top-left of source, flips it and fades it row by row
// (see markup::MirrorWithFade), ready for DrawPicture; empty if the block is empty or GDI fails.
Picture CaptureReflection(HDC source, int width, int height, int reflection);

}  // namespace zevadar::window
