#include "window/markup/color.h"

#include <array>
#include <cctype>
#include <string>

namespace zevadar::markup {
namespace {

struct NamedColor {
    std::string_view name;
    Color color;
};

constexpr std::array<NamedColor, 40> kNamedColors{{
    {"clblack", Color::Rgb(0x000000)},
    {"clmaroon", Color::Rgb(0x800000)},
    {"clgreen", Color::Rgb(0x008000)},
    {"clolive", Color::Rgb(0x808000)},
    {"clnavy", Color::Rgb(0x000080)},
    {"clpurple", Color::Rgb(0x800080)},
    {"clteal", Color::Rgb(0x008080)},
    {"clgray", Color::Rgb(0x808080)},
    {"clsilver", Color::Rgb(0xC0C0C0)},
    {"clred", Color::Rgb(0xFF0000)},
    {"cllime", Color::Rgb(0x00FF00)},
    {"clyellow", Color::Rgb(0xFFFF00)},
    {"clblue", Color::Rgb(0x0000FF)},
    {"clfuchsia", Color::Rgb(0xFF00FF)},
    {"claqua", Color::Rgb(0x00FFFF)},
    {"clwhite", Color::Rgb(0xFFFFFF)},
    // The system colours, in the order of their Windows indexes 1 to 24.
    {"clbackground", Color::System(1)},
    {"clactivecaption", Color::System(2)},
    {"clinactivecaption", Color::System(3)},
    {"clmenu", Color::System(4)},
    {"clwindow", Color::System(5)},
    {"clwindowframe", Color::System(6)},
    {"clmenutext", Color::System(7)},
    {"clwindowtext", Color::System(8)},
    {"clcaptiontext", Color::System(9)},
    {"clactiveborder", Color::System(10)},
    {"clinactiveborder", Color::System(11)},
    {"clappworkspace", Color::System(12)},
    {"clhighlight", Color::System(13)},
    {"clhighlighttext", Color::System(14)},
    {"clbtnface", Color::System(15)},
    {"clbtnshadow", Color::System(16)},
    {"clgraytext", Color::System(17)},
    {"clbtntext", Color::System(18)},
    {"clinactivecaptiontext", Color::System(19)},
    {"clbtnhighlight", Color::System(20)},
    {"cl3ddkshadow", Color::System(21)},
    {"cl3dlight", Color::System(22)},
    {"clinfotext", Color::System(23)},
    {"clinfobk", Color::System(24)},
}};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The pair at [first, first + 2) of value; missing or malformed pairs count as 0.
std::uint32_t HexPair(std::string_view value, std::size_t first) {
    if (value.size() < first + 2) return 0;
    const int high = HexDigit(value[first]);
    const int low = HexDigit(value[first + 1]);
    if (high < 0 || low < 0) return 0;
    return static_cast<std::uint32_t>(high * 16 + low);
}

}  // namespace

Color ParseColor(std::string_view value) {
    if (!value.empty() && value.front() == '#') {
        return Color::Rgb(HexPair(value, 1) << 16 | HexPair(value, 3) << 8 | HexPair(value, 5));
    }
    std::string lower(value);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const NamedColor& named : kNamedColors) {
        if (named.name == lower) return named.color;
    }
    return kBlack;
}

}  // namespace zevadar::markup
