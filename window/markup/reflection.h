// The opacity of a mirrored reflection under a picture or text block, row by row.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace zevadar::markup {

// Row k of the mirrored copy of a block `height` rows high (k = 0 is the block's bottom row):
// 255 * (height - k) / height to the nearest integer, ties to even, less `reflection`, clamped
// to 0..255.
int ReflectionRowFactor(int k, int height, int reflection);

// An alpha value scaled by a row factor: factor / 255 * alpha to the nearest integer.
std::uint8_t ScaleAlpha(int factor, std::uint8_t alpha);

// The reflection image of a picture: `pixels` are width x height 0xAARRGGBB values with straight
// alpha, top row first. The result is flipped top to bottom, each row's alpha scaled by its row
// factor, and premultiplied, ready for per-pixel alpha blending. Pixels of alpha 0 stay clear.
std::vector<std::uint32_t> MirrorWithFade(std::span<const std::uint32_t> pixels, int width,
                                          int height, int reflection);

}  // namespace zevadar::markup
