#include "window/reflection_image_win.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "window/markup/reflection.h"

namespace zevadar::window {
namespace {

// Premultiplied 0xAARRGGBB back to straight alpha, the form the fade works on.
std::uint32_t Unpremultiply(std::uint32_t pixel) {
    const std::uint32_t alpha = pixel >> 24;
    if (alpha == 0) return 0;
    auto channel = [&](int shift) {
        const std::uint32_t value = (pixel >> shift) & 0xFF;
        return std::min<std::uint32_t>(255, (value * 255 + alpha / 2) / alpha) << shift;
    };
    return (alpha << 24) | channel(16) | channel(8) | channel(0);
}

}  // namespace

ReflectionImage::ReflectionImage() {
    painter = [this](HDC dc, const RECT&) {
        DrawPicture(dc, reflection_, 0, picture_.height + kReflectionAxis);
        DrawPicture(dc, picture_, 0, 0);
    };
}

void ReflectionImage::SetPicture(Picture picture) {
    picture_ = std::move(picture);
    reflection_ = CreatePicture(picture_.width, picture_.height);
    if (!picture_.bitmap || !reflection_.bitmap) return;
    std::vector<std::uint32_t> straight(picture_.pixels.size());
    std::ranges::transform(picture_.pixels, straight.begin(), Unpremultiply);
    const std::vector<std::uint32_t> faded =
        markup::MirrorWithFade(straight, picture_.width, picture_.height, kReflection);
    std::ranges::copy(faded, reflection_.pixels.begin());
}

}  // namespace zevadar::window
