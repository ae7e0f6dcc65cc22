#include "window/markup/reflection.h"

#include <algorithm>

namespace zevadar::markup {

int ReflectionRowFactor(int k, int height, int reflection) {
    if (height <= 0) return 0;
    const long long numerator = 255LL * (height - k);
    long long rounded = numerator / height;
    long long remainder = numerator % height;
    if (remainder < 0) {  // keep the floor for rows past the block
        rounded -= 1;
        remainder += height;
    }
    if (2 * remainder > height || (2 * remainder == height && rounded % 2 != 0)) ++rounded;
    return static_cast<int>(std::clamp(rounded - reflection, 0LL, 255LL));
}

std::uint8_t ScaleAlpha(int factor, std::uint8_t alpha) {
    const int f = std::clamp(factor, 0, 255);
    // factor * alpha / 255 never lies halfway between two integers, since 255 is odd.
    return static_cast<std::uint8_t>((2 * f * alpha + 255) / 510);
}

std::vector<std::uint32_t> MirrorWithFade(std::span<const std::uint32_t> pixels, int width,
                                          int height, int reflection) {
    if (width <= 0 || height <= 0) return {};
    const auto columns = static_cast<std::size_t>(width);
    const auto rows = static_cast<std::size_t>(height);
    if (pixels.size() < columns * rows) return {};
    std::vector<std::uint32_t> mirrored(columns * rows);
    for (std::size_t k = 0; k < rows; ++k) {
        const int factor = ReflectionRowFactor(static_cast<int>(k), height, reflection);
        const std::uint32_t* from = pixels.data() + (rows - 1 - k) * columns;
        std::uint32_t* to = mirrored.data() + k * columns;
        for (std::size_t x = 0; x < columns; ++x) {
            const std::uint32_t alpha =
                ScaleAlpha(factor, static_cast<std::uint8_t>(from[x] >> 24));
            std::uint32_t premultiplied = alpha << 24;
            for (int shift = 0; shift < 24; shift += 8) {
                const std::uint32_t channel = (from[x] >> shift) & 0xFF;
                premultiplied |= ((2 * channel * alpha + 255) / 510) << shift;
            }
            to[x] = premultiplied;
        }
    }
    return mirrored;
}

}  // namespace zevadar::markup
