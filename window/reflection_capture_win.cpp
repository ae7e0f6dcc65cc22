#include "window/reflection_capture_win.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "window/markup/reflection.h"

namespace zevadar::window {

Picture CaptureReflection(HDC source, int width, int height, int reflection) {
    if (width <= 0 || height <= 0) return {};
    Picture picture = CreatePicture(width, height);
    if (!picture.bitmap) return {};
    const UniqueMemoryDc dc(CreateCompatibleDC(source));
    {
        ScopedSelect select(dc.get(), picture.bitmap.get());
        BitBlt(dc.get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
    }
    GdiFlush();  // the copy must have landed before the pixels are read directly
    // What is on screen is opaque; BitBlt leaves the alpha byte of a 32-bit DIB at 0.
    for (std::uint32_t& pixel : picture.pixels) pixel |= 0xFF000000u;
    const std::vector<std::uint32_t> mirrored =
        markup::MirrorWithFade(picture.pixels, width, height, reflection);
    std::ranges::copy(mirrored, picture.pixels.begin());
    return picture;
}

}  // namespace zevadar::window
