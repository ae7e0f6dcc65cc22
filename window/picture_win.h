// Pictures with alpha from the executable's resources, in the form GDI draws them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "window/handles_win.h"

namespace zevadar::window {

// A top-down 32-bpp DIB section with premultiplied alpha, as AlphaBlend takes it. The pixels,
// 0xAARRGGBB row after row, belong to the bitmap.
struct Picture {
    UniqueBitmap bitmap;
    int width = 0;
    int height = 0;
    std::span<std::uint32_t> pixels;
};

// A fully transparent picture to paint into; empty if GDI is out of memory.
Picture CreatePicture(int width, int height);

// Decodes the PNG in the RCDATA resource `id` of `module`; empty if it is missing or broken.
// Decoding goes through WIC, so COM must be initialised on the calling thread.
Picture LoadPicture(HINSTANCE module, int id);

// Draws the picture unscaled, blended by its alpha, with its top-left corner at (x, y).
void DrawPicture(HDC dc, const Picture& picture, int x, int y);

// The image of size x size pixels from the icon group `id` of `module`.
UniqueIcon LoadIconSized(HINSTANCE module, int id, int size);

}  // namespace zevadar::window
