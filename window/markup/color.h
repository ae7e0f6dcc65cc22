// Colours of the markup: plain RGB values, or Windows system colours that stay symbolic until the
// painter resolves them, so the engine needs no platform and follows the user's colour scheme.
#pragma once

#include <cstdint>
#include <string_view>

namespace zevadar::markup {

struct Color {
    std::uint32_t rgb = 0;  // 0xRRGGBB; meaningful when system is negative
    int system = -1;        // a Windows system colour index (COLOR_*), resolved when painting

    static constexpr Color Rgb(std::uint32_t rgb) { return Color{rgb, -1}; }
    static constexpr Color System(int index) { return Color{0, index}; }
    bool IsSystem() const { return system >= 0; }
    friend bool operator==(const Color&, const Color&) = default;
};

// System colour indexes the engine itself uses (same values as the Windows COLOR_* constants).
inline constexpr int kSystemWindow = 5;
inline constexpr int kSystemWindowText = 8;
inline constexpr int kSystemHighlight = 13;
inline constexpr int kSystemHighlightText = 14;

inline constexpr Color kBlack = Color::Rgb(0x000000);
inline constexpr Color kRed = Color::Rgb(0xFF0000);
inline constexpr Color kBlue = Color::Rgb(0x0000FF);
inline constexpr Color kGray = Color::Rgb(0x808080);
inline constexpr Color kWhite = Color::Rgb(0xFFFFFF);

// A colour attribute value: "#RRGGBB" (a pair the value does not fill counts as 0) or a colour
// name such as "clRed" or "clBtnFace" in any letter case. Anything else is black.
Color ParseColor(std::string_view value);

}  // namespace zevadar::markup
