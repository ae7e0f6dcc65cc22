// Mirrored, fading reflections of what a device context shows, drawn with per-pixel alpha.
#pragma once

#include <windows.h>

#include <cstdint>

#include "window/handles_win.h"

namespace zevadar::markup {

// A 32-bit DIB section with its top row first; pixels are 0xAARRGGBB values (bytes B, G, R, A).
window::UniqueBitmap CreateTopDownDib(int width, int height, std::uint32_t*& pixels);

// Copies the width x height block at the top-left of source, flips it and fades it row by row
// (see MirrorWithFade); null if the block is empty or GDI fails.
window::UniqueBitmap CaptureReflection(HDC source, int width, int height, int reflection);

// Blends a reflection made by CaptureReflection onto dc with its top-left at (x, y).
void DrawReflection(HDC dc, HBITMAP reflection, int x, int y);

}  // namespace zevadar::markup
