#include "window/markup/reflection_win.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "window/markup/reflection.h"

namespace zevadar::markup {

window::UniqueBitmap CreateTopDownDib(int width, int height, std::uint32_t*& pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    window::UniqueBitmap bitmap(
        CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    pixels = static_cast<std::uint32_t*>(bits);
    return bitmap;
}

window::UniqueBitmap CaptureReflection(HDC source, int width, int height, int reflection) {
    if (width <= 0 || height <= 0) return {};
    std::uint32_t* pixels = nullptr;
    window::UniqueBitmap bitmap = CreateTopDownDib(width, height, pixels);
    if (!bitmap || !pixels) return {};
    const window::UniqueMemoryDc dc(CreateCompatibleDC(source));
    {
        window::ScopedSelect select(dc.get(), bitmap.get());
        BitBlt(dc.get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
    }
    GdiFlush();  // the copy must have landed before the pixels are read directly
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::span<std::uint32_t> copied(pixels, count);
    // What is on screen is opaque; BitBlt leaves the alpha byte of a 32-bit DIB at 0.
    for (std::uint32_t& pixel : copied) pixel |= 0xFF000000u;
    const std::vector<std::uint32_t> mirrored = MirrorWithFade(copied, width, height, reflection);
    std::copy(mirrored.begin(), mirrored.end(), copied.begin());
    return bitmap;
}

void DrawReflection(HDC dc, HBITMAP reflection, int x, int y) {
    BITMAP info{};
    if (!reflection || !GetObjectA(reflection, sizeof info, &info)) return;
    const window::UniqueMemoryDc source(CreateCompatibleDC(dc));
    window::ScopedSelect select(source.get(), reflection);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, x, y, info.bmWidth, info.bmHeight, source.get(), 0, 0, info.bmWidth,
               info.bmHeight, blend);
}

}  // namespace zevadar::markup
