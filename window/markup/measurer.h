// What the layout needs to know about fonts and pictures, and nothing more: the GDI measurer
// answers it on Windows, a fixed-advance fake in the tests.
#pragma once

#include <string>
#include <string_view>

namespace zevadar::markup {

struct FontSpec {
    std::string face;
    int height = 0;  // negative: character height in pixels
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Opaque handle of a font known to one measurer.
using FontId = int;

struct FontMetrics {
    int height = 0;  // the height of a line of text, "gh" included
    int ascent = 0;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

class Measurer {
public:
    virtual ~Measurer() = default;
    // The same font description always gives the same id.
    virtual FontId Font(const FontSpec& fontSpec) = 0;
    virtual int TextWidth(FontId font, std::string_view text) = 0;
    virtual FontMetrics Metrics(FontId font) = 0;
    // The natural size of a picture source ("FILE://...", "RES://...", "SSYS:...", "LSYS:...");
    // zero for a source that draws nothing.
    virtual Size ImageSize(std::string_view source) = 0;
};

}  // namespace zevadar::markup
